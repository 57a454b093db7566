// The other windows: created in the program's order, named, captioned, hidden.
#include "app/forms.h"
#include "ui/shell_forms.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

TEST(ShellFormsTest, EachWindowHasItsClassNameAndCaptionAndStartsHidden)
{
    const std::map<std::string, std::string> captions = {
        {"AboutBox", "About"},    {"ReadMefm", "Read Me"},         {"Licencefm", "Licence Agreement"},
        {"Updatefm", "Update"},   {"CodesFm", "County Code List"}, {"PlotFm", "Parish Location Plot"},
        {"MyTextfm", "MyTextfm"}, {"PlotDataFm", "Plot Data"},     {"LocPlotfm", "LocPlotfm"},
    };
    int made = 0;
    for (const app::FormInfo& form : app::kForms) {
        std::string name(form.name);
        if (name == "Parishfm" || name == "ParListFm" || name == "Mapfm")
            continue;
        SCOPED_TRACE(name);
        auto window = ui::createForm(form.name);
        ASSERT_NE(window, nullptr);
        ++made;
        EXPECT_EQ(std::string(window->metaObject()->className()), "ui::" + std::string(form.className));
        EXPECT_EQ(window->objectName().toStdString(), name);
        EXPECT_EQ(window->windowTitle().toStdString(), captions.at(name));
        EXPECT_TRUE(window->isWindow());
        EXPECT_FALSE(window->isVisible());
    }
    EXPECT_EQ(made, 9);
    EXPECT_EQ(ui::createForm("ParListFm"), nullptr); // made from its core
    EXPECT_EQ(ui::createForm("Mapfm"), nullptr);
    EXPECT_EQ(ui::createForm("Parishfm"), nullptr);
    EXPECT_EQ(ui::createForm("NoSuchForm"), nullptr);
}

} // namespace
