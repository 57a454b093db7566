// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program on Qt's offscreen desktop, on data files in a fresh folder. Only
// the person is faked: the boxes' answers, the beeps and the printer.
#include "support/data_files.h"
#include "support/fake_person.h"
#include "ui/desktop.h"
#include "ui/main_window.h"
#include "ui/qt_ports.h"
#include "ui/qt_text.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace uitest {

using testsupport::Shown;
using Kind = Shown::Kind;
using Shows = std::vector<Shown>;

// Hands the next real modal dialog of type T to the person once it is up.
template <class T> void whenShown(std::function<void(T&)> act)
{
    auto* timer = new QTimer(qApp);
    timer->start(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(*dialog);
        }
    });
}

class DesktopTest : public ::testing::Test {
protected:
    // Parishes.Dat: the version record and n numbered parishes.
    void writeParishes(int n)
    {
        std::vector<records::ParishRecord> file = testsupport::numberedParishes(n);
        file.insert(file.begin(), testsupport::versionRecord());
        testsupport::writeDataFile(dir_ / "Parishes.Dat", file);
    }
    // Makes the desktop and starts the program as the person does.
    void start()
    {
        // The read-me the program loads as it starts, so that its absence is not said.
        if (!std::filesystem::exists(dir_ / "ReadMe.rtf"))
            testsupport::writeBytes(dir_ / "ReadMe.rtf", "{\\rtf1 Read me.\\par}");
        desktop_.reset();
        desktop_ = std::make_unique<ui::Desktop>(*dialogs_, person_, *platform_, dir_.path(), "www.streetmap.co.uk");
        desktop_->start();
        QWidget& main = desktop_->mainWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
        main.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    }

    ui::FormWindow& window(std::string_view form) { return *desktop_->formWindow(*desktop_->program().window(form)); }
    template <typename W = QWidget> W& widget(std::string_view form, std::string_view control)
    {
        W* w = window(form).widgetAs<W>(control);
        return w ? *w : throw std::logic_error("no widget " + std::string(control));
    }
    QComboBox& tarPar() { return widget<QComboBox>("Parishfm", "TarPar"); }
    const app::Parishfm& core() { return desktop_->program().mainWindow(); }
    // A text view's lines, as cp1252.
    std::vector<std::string> lines(std::string_view form, std::string_view view)
    {
        std::vector<std::string> out;
        for (const QString& line : widget<QPlainTextEdit>(form, view).toPlainText().split(QLatin1Char('\n')))
            out.push_back(ui::fromQt(line));
        return out;
    }

    // The person's hand: a key on the focused control, a click, a menu item, typing.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget& main = desktop_->mainWindow();
        QTest::keyClick(main.focusWidget() ? main.focusWidget() : &main, key, modifiers);
    }
    void click(std::string_view form, std::string_view name) { QTest::mouseClick(&widget(form, name), Qt::LeftButton); }
    void choose(const char* menuItem) { desktop_->mainWindow().findChild<QAction*>(menuItem)->trigger(); }
    void type(QWidget& box, const QString& text)
    {
        QWidget* edit = qobject_cast<QComboBox*>(&box) ? static_cast<QComboBox&>(box).lineEdit() : &box;
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        for (QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, edit, static_cast<Qt::Key>(ch.toUpper().unicode()), QString(ch), {});
    }

    testsupport::TempDir dir_;
    testsupport::FakePerson person_;
    app::Dialogs* dialogs_ = &person_;
    app::Platform* platform_ = &person_;
    std::unique_ptr<ui::Desktop> desktop_;
};

} // namespace uitest
