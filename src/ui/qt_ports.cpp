#include "qt_ports.h"

#include "app/messages.h"
#include "ui/qt_text.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace ui {
namespace {

// Shows a box titled with the application title and returns the button pressed.
// The text is shown as plain text: file names and record texts may hold "<".
QMessageBox::StandardButton ask(QWidget* parent, QMessageBox::Icon icon, const std::string& text,
                                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton escape)
{
    QMessageBox box(icon, toQt(app::msg::kApplicationTitle), toQt(text), buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setEscapeButton(escape);
    box.exec();
    auto* clicked = box.clickedButton();
    return clicked ? box.standardButton(clicked) : escape;
}

} // namespace

void QtDialogs::message(const std::string& text)
{
    ask(parent_, QMessageBox::NoIcon, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtDialogs::warningOk(const std::string& text)
{
    ask(parent_, QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtDialogs::warningYesNo(const std::string& text)
{
    return ask(parent_, QMessageBox::Warning, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

bool QtDialogs::confirmYesNo(const std::string& text)
{
    return ask(parent_, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

bool QtDialogs::confirmOkCancel(const std::string& text)
{
    return ask(parent_, QMessageBox::Question, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel)
           == QMessageBox::Ok;
}

bool QtDialogs::infoYesNo(const std::string& text)
{
    return ask(parent_, QMessageBox::Information, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

std::optional<std::string> QtDialogs::inputBox(const std::string& title, const std::string& prompt,
                                               const std::string& defaultText)
{
    bool ok = false;
    QString answer =
        QInputDialog::getText(parent_, toQt(title), toQt(prompt), QLineEdit::Normal, toQt(defaultText), &ok);
    if (!ok)
        return std::nullopt;
    return fromQt(answer);
}

void QtDialogs::errorBox(const std::string& text)
{
    ask(parent_, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtFeedback::beep()
{
    QApplication::beep();
}

void QtFeedback::setBusy(bool busy)
{
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

void QtPlatform::quit()
{
    QMetaObject::invokeMethod(qApp, "quit", Qt::QueuedConnection);
}

bool QtDialogs::printDialog()
{
    if (!printer_)
        return false;
    QPrintDialog dialog(printer_, parent_);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPlatform::openUrl(const std::string& address)
{
    const QUrl url(toQt(address), QUrl::StrictMode);
    return url.isValid() && QDesktopServices::openUrl(url);
}

} // namespace ui
