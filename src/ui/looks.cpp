// SPDX-License-Identifier: GPL-3.0-or-later
#include "looks.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWheelEvent>

namespace ui {
namespace {

qreal textPointSize()
{
    const qreal size = QApplication::font().pointSizeF();
    return size > 0 ? size : 10.0;
}

// Steps a text view's font size; QPlainTextEdit and QTextEdit zoom alike but share no base.
void zoom(QObject* view, int steps)
{
    if (auto* plain = qobject_cast<QPlainTextEdit*>(view))
        plain->zoomIn(steps);
    else if (auto* rich = qobject_cast<QTextEdit*>(view))
        rich->zoomIn(steps);
}

class TextZoom : public QObject {
public:
    explicit TextZoom(QWidget& view) : QObject(&view), view_(view) {}

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
            auto* key = static_cast<QKeyEvent*>(event);
            const int steps = keySteps(*key);
            if (steps == 0)
                return false;
            if (event->type() == QEvent::KeyPress)
                zoom(&view_, steps);
            event->accept();
            return event->type() == QEvent::KeyPress;
        }
        if (event->type() == QEvent::Wheel) {
            auto* wheel = static_cast<QWheelEvent*>(event);
            if (!(wheel->modifiers() & Qt::ControlModifier) || wheel->angleDelta().y() == 0)
                return false;
            zoom(&view_, wheel->angleDelta().y() > 0 ? 1 : -1);
            return true;
        }
        return false;
    }

private:
    static int keySteps(const QKeyEvent& key)
    {
        if (key.matches(QKeySequence::ZoomIn))
            return 1;
        if (key.matches(QKeySequence::ZoomOut))
            return -1;
        if (!(key.modifiers() & Qt::ControlModifier))
            return 0;
        // Ctrl with the key that bears "+" unshifted on most keyboards.
        return key.key() == Qt::Key_Equal ? 1 : 0;
    }

    QWidget& view_;
};

} // namespace

QFont fixedPitchFont(qreal scale)
{
    QFont font;
    font.setFamilies(
        {"Liberation Mono", "DejaVu Sans Mono", QFontDatabase::systemFont(QFontDatabase::FixedFont).family()});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(textPointSize() * scale);
    return font;
}

void showAsTitle(QWidget& label, qreal scale)
{
    QFont font;
    font.setFamilies({"Liberation Serif", "DejaVu Serif", "Times New Roman"});
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(textPointSize() * scale);
    font.setBold(true);
    font.setItalic(true);
    label.setFont(font);
    setTextColour(label, kTitleText);
}

void showAsTextFile(QPlainTextEdit& view)
{
    view.setFont(fixedPitchFont());
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void setTextColour(QWidget& w, const QColor& colour)
{
    QPalette p = w.palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            p.setColor(group, role, colour);
    w.setPalette(p);
}

void setBackground(QWidget& w, const QColor& colour)
{
    QPalette p = w.palette();
    p.setColor(QPalette::Window, colour);
    w.setPalette(p);
    w.setAutoFillBackground(true);
}

void setBoxColour(QWidget& box, const QColor& colour)
{
    QPalette p = box.palette();
    p.setColor(QPalette::Base, colour);
    box.setPalette(p);
}

void makeZoomable(QWidget& textView)
{
    auto* filter = new TextZoom(textView);
    textView.installEventFilter(filter);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(&textView))
        area->viewport()->installEventFilter(filter);
}

} // namespace ui
