#include "key_preview.h"

#include <QApplication>
#include <QKeyEvent>

namespace ui {

app::Key navigationKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Home: return app::Key::Home;
    case Qt::Key_End: return app::Key::End;
    case Qt::Key_Up: return app::Key::Up;
    case Qt::Key_Down: return app::Key::Down;
    case Qt::Key_PageUp: return app::Key::PageUp;
    case Qt::Key_PageDown: return app::Key::PageDown;
    default: return app::Key::Other;
    }
}

KeyPreview::KeyPreview(QWidget& window, std::function<void(app::Key)> onKey)
    : QObject(&window), window_(&window), onKey_(std::move(onKey))
{
    qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview()
{
    qApp->removeEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !window_ || !watched->isWidgetType())
        return false;
    // A key press goes first to the window's focus widget (or the window itself
    // when nothing has the focus) and may then travel up to its parents; act on
    // that first delivery only, so one press makes one move.
    QWidget* receiver = window_->focusWidget() ? window_->focusWidget() : window_.data();
    if (watched != receiver)
        return false;
    app::Key key = navigationKey(static_cast<QKeyEvent*>(event)->key());
    if (key != app::Key::Other)
        onKey_(key);
    return false; // not consumed: the focused control receives the key as usual
}

} // namespace ui
