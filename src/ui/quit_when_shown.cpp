// SPDX-License-Identifier: GPL-3.0-or-later
#include "quit_when_shown.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace ui {
namespace {

// Watches the window's paint events. The first one posts the end, which comes
// once the event loop is back (the painting flushed to the screen): exit,
// not quit, which would close the windows first and ask the program's
// closing questions.
class FirstPaintQuits : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !quitting_) {
            quitting_ = true;
            QCoreApplication::postEvent(this, new QEvent(QEvent::User));
        }
        return QObject::eventFilter(watched, event);
    }

protected:
    void customEvent(QEvent* /*event*/) override { QCoreApplication::exit(0); }

private:
    bool quitting_ = false;
};

} // namespace

void quitWhenShown(QWidget& window)
{
    window.installEventFilter(new FirstPaintQuits(&window));
}

} // namespace ui
