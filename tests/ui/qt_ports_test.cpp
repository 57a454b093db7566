// The desktop's side of the ports: real message boxes and input boxes, answered
// by a simulated click; the hourglass stack; the queued end of the program.
#include "app/messages.h"
#include "ui/qt_ports.h"
#include "ui/qt_text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Waits for the next modal dialog of type T and hands it to act (the person).
template <class T> void whenShown(std::function<void(T&)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(*dialog);
        }
    });
    timer->start();
}

struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Shows the box through call, clicks press (or closes it with Escape when
// press is NoButton), and tells what the box looked like.
SeenBox answerBox(const std::function<void()>& call, QMessageBox::StandardButton press)
{
    SeenBox seen;
    whenShown<QMessageBox>([&seen, press](QMessageBox& box) {
        seen = {box.windowTitle(), box.text(), box.icon(), box.standardButtons()};
        if (press == QMessageBox::NoButton)
            box.reject();
        else
            box.button(press)->click();
    });
    call();
    return seen;
}

TEST(QtDialogsTest, EachBoxKindHasItsIconButtonsAndAnswer)
{
    ui::QtDialogs dialogs;
    using B = QMessageBox;
    struct BoxCase {
        const char* what;
        std::function<bool(const std::string&)> call;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton press;
        bool result;
    };
    auto noResult = [](std::function<void(const std::string&)> f) {
        return [f](const std::string& t) {
            f(t);
            return true;
        };
    };
    const BoxCase cases[] = {
        {"plain message", noResult([&](auto& t) { dialogs.message(t); }), B::NoIcon, B::Ok, B::Ok, true},
        {"warning", noResult([&](auto& t) { dialogs.warningOk(t); }), B::Warning, B::Ok, B::Ok, true},
        {"error box", noResult([&](auto& t) { dialogs.errorBox(t); }), B::Critical, B::Ok, B::Ok, true},
        {"warning Yes", [&](auto& t) { return dialogs.warningYesNo(t); }, B::Warning, B::Yes | B::No, B::Yes, true},
        {"warning No", [&](auto& t) { return dialogs.warningYesNo(t); }, B::Warning, B::Yes | B::No, B::No, false},
        {"confirm Yes", [&](auto& t) { return dialogs.confirmYesNo(t); }, B::Question, B::Yes | B::No, B::Yes, true},
        {"confirm closed", [&](auto& t) { return dialogs.confirmYesNo(t); }, B::Question, B::Yes | B::No, B::NoButton,
         false},
        {"confirm OK", [&](auto& t) { return dialogs.confirmOkCancel(t); }, B::Question, B::Ok | B::Cancel, B::Ok,
         true},
        {"confirm Cancel", [&](auto& t) { return dialogs.confirmOkCancel(t); }, B::Question, B::Ok | B::Cancel,
         B::Cancel, false},
        {"confirm closed is Cancel", [&](auto& t) { return dialogs.confirmOkCancel(t); }, B::Question,
         B::Ok | B::Cancel, B::NoButton, false},
        {"info Yes", [&](auto& t) { return dialogs.infoYesNo(t); }, B::Information, B::Yes | B::No, B::Yes, true},
        {"info closed is No", [&](auto& t) { return dialogs.infoYesNo(t); }, B::Information, B::Yes | B::No,
         B::NoButton, false},
    };
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(c.what);
        bool result = !c.result;
        SeenBox seen = answerBox([&] { result = c.call("Rh\xF4s <b>not bold</b>"); }, c.press);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(seen.title, "Steeplewatcher");
        EXPECT_EQ(seen.text, QString::fromUtf8("Rhôs <b>not bold</b>"));
        EXPECT_EQ(seen.icon, c.icon);
        EXPECT_EQ(seen.buttons, c.buttons);
    }
}

TEST(QtDialogsTest, InputBoxGivesTheTextOrNothingWhenCancelled)
{
    ui::QtDialogs dialogs;
    QString title, prompt, shownDefault;
    whenShown<QInputDialog>([&](QInputDialog& box) {
        title = box.windowTitle();
        prompt = box.labelText();
        shownDefault = box.textValue();
        box.setTextValue(QString::fromUtf8("Rhôs"));
        box.accept();
    });
    EXPECT_EQ(dialogs.inputBox("Record", "Go to record number", "12"), std::optional<std::string>("Rh\xF4s"));
    EXPECT_EQ(title, "Record");
    EXPECT_EQ(prompt, "Go to record number");
    EXPECT_EQ(shownDefault, "12");

    whenShown<QInputDialog>([](QInputDialog& box) { box.reject(); });
    EXPECT_EQ(dialogs.inputBox("Record", "Go to record number", "12"), std::nullopt);
}

TEST(QtFeedbackTest, TheHourglassStacksAndComesOffCompletely)
{
    ui::QtFeedback feedback;
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        app::BusyCursor outer(feedback);
        {
            app::BusyCursor inner(feedback);
            ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
            EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(QtPlatformTest, QuitAskedBeforeTheLoopStartsEndsIt)
{
    ui::QtPlatform platform;
    platform.quit();
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST(QtTextTest, CaptionsAndBoxTextsCrossTheBoundaryIntact)
{
    EXPECT_EQ(ui::toQt("Rh\xF4s \x80"), QString::fromUtf8("Rhôs €"));
    EXPECT_EQ(ui::fromQt(QString::fromUtf8("Rhôs €")), "Rh\xF4s \x80");
    EXPECT_EQ(ui::withoutAccelerators("The Distance between Parishes 1 && 2 is"),
              "The Distance between Parishes 1 & 2 is");
    EXPECT_EQ(ui::withoutAccelerators("&Find First"), "Find First");
    EXPECT_EQ(ui::withoutAccelerators("Ends with &"), "Ends with &");
}

} // namespace
