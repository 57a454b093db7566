// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_fixture.h"

#include "support/data_files.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace uitest {

std::ostream& operator<<(std::ostream& out, const Shown& shown)
{
    static const char* const kinds[] = {"message", "warning", "confirm", "info", "input",
                                        "error",   "print",   "beep",    "quit", "open"};
    return out << kinds[static_cast<int>(shown.kind)] << " \"" << shown.text << '"';
}

void FakePerson::show(Shown::Kind kind, const std::string& text)
{
    shown_.push_back({kind, text});
    if (auto act = std::exchange(during_, {}))
        act();
}

std::string FakePerson::ask(Shown::Kind kind, const std::string& text)
{
    show(kind, text);
    if (answers_.empty()) {
        ADD_FAILURE() << "a box with no answer: " << text;
        return {};
    }
    std::string reply = std::move(answers_.front());
    answers_.pop_front();
    return reply;
}

std::optional<std::string> FakePerson::inputBox(const std::string&, const std::string& prompt, const std::string&)
{
    std::string reply = ask(Shown::Kind::Input, prompt);
    return reply == "Cancel" ? std::nullopt : std::optional(reply);
}

bool FakePerson::openUrl(const std::string& address)
{
    shown_.push_back({Shown::Kind::OpenUrl, address});
    return true;
}

std::vector<records::ParishRecord> DesktopTest::writeParishes(int n)
{
    std::vector<records::ParishRecord> file{testsupport::versionRecord()};
    for (const auto& r : testsupport::numberedParishes(n))
        file.push_back(r);
    writeParishes(file);
    return file;
}

void DesktopTest::writeParishes(const std::vector<records::ParishRecord>& records)
{
    testsupport::writeDataFile(dir_ / "Parishes.Dat", records);
}

void DesktopTest::start()
{
    desktop_ = std::make_unique<ui::Desktop>(person_, person_, *platform_, dir_.path(), "www.streetmap.co.uk");
    desktop_->start();
    QWidget& main = desktop_->mainWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
}

ui::FormWindow& DesktopTest::window(std::string_view form)
{
    return *desktop_->formWindow(*desktop_->program().window(form));
}

std::string DesktopTest::text(std::string_view form, std::string_view control)
{
    return ui::fromQt(widget<QLineEdit>(form, control).text());
}

std::vector<std::string> DesktopTest::lines(std::string_view form, std::string_view control)
{
    std::vector<std::string> out;
    for (const QString& line : widget<QPlainTextEdit>(form, control).toPlainText().split(QLatin1Char('\n')))
        out.push_back(ui::fromQt(line));
    return out;
}

void DesktopTest::press(int qtKey, Qt::KeyboardModifiers modifiers)
{
    QWidget& main = desktop_->mainWindow();
    QTest::keyClick(main.focusWidget() ? main.focusWidget() : &main, static_cast<Qt::Key>(qtKey), modifiers);
}

void DesktopTest::click(std::string_view form, std::string_view button)
{
    QTest::mouseClick(&widget(form, button), Qt::LeftButton);
}

void DesktopTest::choose(const char* menuItem)
{
    desktop_->mainWindow().findChild<QAction*>(menuItem)->trigger();
}

void DesktopTest::type(QWidget& box, const QString& text)
{
    QWidget* edit = qobject_cast<QComboBox*>(&box) ? static_cast<QComboBox&>(box).lineEdit() : &box;
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    for (QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, edit, static_cast<Qt::Key>(ch.toUpper().unicode()), QString(ch),
                            Qt::NoModifier);
}

} // namespace uitest
