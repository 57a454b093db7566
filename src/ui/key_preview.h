#pragma once
// Key preview: the navigation keys pressed anywhere in a window reach the
// window's handler before the focused control, which still gets them after.
#include "app/window.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace ui {

// The core's key for a Qt key code; Key::Other for every other key.
app::Key navigationKey(int qtKey);

class KeyPreview : public QObject {
    Q_OBJECT
public:
    // Watches the whole application (qApp) for key presses meant for window.
    KeyPreview(QWidget& window, std::function<void(app::Key)> onKey);
    ~KeyPreview() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
    std::function<void(app::Key)> onKey_;
};

} // namespace ui
