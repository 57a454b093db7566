#include "window_fixture.h"

#include "support/data_files.h"
#include "ui/qt_text.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace uitest {

std::vector<records::ParishRecord> WindowTest::writeParishes(int n)
{
    std::vector<records::ParishRecord> file{testsupport::versionRecord()};
    for (const auto& r : testsupport::numberedParishes(n))
        file.push_back(r);
    testsupport::writeDataFile(dir_ / "Parishes.Dat", file);
    return file;
}

void WindowTest::open()
{
    window_ = std::make_unique<ui::TParishfm>(dir_.path(), person_, person_, person_);
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
}

QComboBox& WindowTest::tarPar()
{
    return *window_->findChild<QComboBox*>("TarPar");
}

std::string WindowTest::text(const char* lineEdit)
{
    auto* edit = window_->findChild<QLineEdit*>(lineEdit);
    EXPECT_NE(edit, nullptr) << lineEdit;
    return edit ? ui::fromQt(edit->text()) : std::string();
}

std::vector<std::string> WindowTest::lines(const char* textView)
{
    auto* view = window_->findChild<QPlainTextEdit*>(textView);
    EXPECT_NE(view, nullptr) << textView;
    std::vector<std::string> out;
    if (view)
        for (const QString& line : view->toPlainText().split(QLatin1Char('\n')))
            out.push_back(ui::fromQt(line));
    return out;
}

std::string WindowTest::takeTranscript()
{
    std::string s = transcript_.str();
    transcript_.str({});
    return s;
}

void press(ui::TParishfm& window, int qtKey)
{
    QWidget* target = window.focusWidget() ? window.focusWidget() : &window;
    QTest::keyClick(target, static_cast<Qt::Key>(qtKey));
}

} // namespace uitest
