// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the desktop: a widget or menu entry for each control its core
// describes, available only when its command is built, and the windows whose
// cores are not built yet as hidden frames.
#include "ui_fixture.h"

#include "app/forms.h"
#include "ui/qt_text.h"

#include <QAction>
#include <QMenu>

namespace uitest {
namespace {

using K = app::ControlKind;

TEST_F(DesktopTest, EveryControlOfEveryWindowHasItsWidgetOrMenuEntry)
{
    writeParishes(3);
    start();
    for (app::Window* core : desktop_->program().windows()) {
        ui::FormWindow& w = *desktop_->formWindow(*core);
        for (const app::Control& c : core->controls()) {
            SCOPED_TRACE(std::string(core->name()) + "." + std::string(c.name));
            const QString name = ui::toQt(c.name);
            if (c.kind == K::Menu) {
                auto* menu = w.findChild<QMenu*>(name);
                ASSERT_NE(menu, nullptr);
                EXPECT_EQ(menu->menuAction()->isVisible(), c.visible);
                EXPECT_EQ(menu->menuAction()->isEnabled(), c.visible);
            } else if (c.kind == K::MenuItem || c.kind == K::Separator) {
                auto* action = w.findChild<QAction*>(name);
                ASSERT_NE(action, nullptr);
                EXPECT_EQ(action->isSeparator(), c.kind == K::Separator);
                EXPECT_EQ(action->isVisible(), c.visible);
                if (c.kind == K::MenuItem) {
                    EXPECT_EQ(action->isEnabled(), c.visible && bool(c.onClick));
                }
            } else {
                QWidget* widget = w.findChild<QWidget*>(name);
                ASSERT_NE(widget, nullptr);
                EXPECT_EQ(widget, w.widget(c.name));
                EXPECT_EQ(widget->isEnabled(), c.kind != K::Button || bool(c.onClick));
                if (!c.parent.empty()) {
                    EXPECT_TRUE(w.widget(c.parent)->isAncestorOf(widget));
                }
            }
        }
    }
}

TEST_F(DesktopTest, EveryFormExistsHiddenWithItsCaptionUntilShown)
{
    writeParishes(3);
    start();
    for (const app::FormInfo& form : app::kForms) {
        SCOPED_TRACE(std::string(form.name));
        QWidget* w = desktop_->window(form.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->objectName(), ui::toQt(form.name));
        EXPECT_EQ(w->windowTitle(), ui::toQt(form.caption));
        EXPECT_TRUE(w->isWindow());
        EXPECT_EQ(w->isVisible(), form.name == "Parishfm");
    }
}

} // namespace
} // namespace uitest
