// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_window.h"

#include "render/picture.h"
#include "richtext/rtf_reader.h"
#include "ui/desktop.h"
#include "ui/key_preview.h"
#include "ui/looks.h"
#include "ui/qt_text.h"
#include "ui/settings.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTextEdit>
#include <QValidator>

#include <algorithm>
#include <map>

namespace ui {
namespace {

using K = app::ControlKind;

QString joinLines(const std::vector<std::string>& lines)
{
    QStringList out;
    for (const std::string& line : lines)
        out << toQt(line);
    return out.join(QLatin1Char('\n'));
}

std::vector<std::string> splitLines(const QString& text)
{
    std::vector<std::string> lines;
    for (const QString& line : text.split(QLatin1Char('\n')))
        lines.push_back(fromQt(line));
    return lines;
}

// A limit on typing only: the program may put a longer text in the box, and
// the person may then shorten it but not lengthen it (setMaxLength would cut
// the program's text).
class TypedLimit : public QValidator {
public:
    TypedLimit(QLineEdit& edit, int limit) : QValidator(&edit), limit_(limit)
    {
        // The length the box had before the edit being checked, whoever set it.
        QObject::connect(&edit, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text.size(); });
    }
    State validate(QString& input, int&) const override
    {
        return input.size() > limit_ && input.size() > before_ ? Invalid : Acceptable;
    }

private:
    qsizetype limit_;
    qsizetype before_ = 0;
};

QWidget* makeWidget(const app::Control& c)
{
    switch (c.kind) {
    case K::Label: return new QLabel(withoutAccelerators(c.caption));
    case K::Group: return c.caption.empty() ? new QWidget : new QGroupBox(toQt(c.caption));
    case K::Edit:
    case K::ReadOnlyEdit: {
        auto* edit = new QLineEdit;
        edit->setReadOnly(c.kind == K::ReadOnlyEdit);
        if (c.maxLength > 0)
            edit->setValidator(new TypedLimit(*edit, c.maxLength));
        return edit;
    }
    case K::ComboBox: {
        auto* box = new QComboBox;
        box->setEditable(true);
        // The list is the core's; typing never adds to it.
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr);
        box->setEditText(toQt(c.caption));
        return box;
    }
    case K::TextView:
    case K::TextEdit: {
        auto* view = new QPlainTextEdit;
        view->setReadOnly(c.kind == K::TextView);
        view->setLineWrapMode(QPlainTextEdit::NoWrap);
        return view;
    }
    case K::CheckBox: return new QCheckBox(toQt(c.caption));
    case K::RadioButton: return new QRadioButton(toQt(c.caption));
    case K::Button: {
        auto* button = new QPushButton(toQt(c.caption));
        button->setAutoDefault(false);
        button->setEnabled(bool(c.onClick)); // a command not built yet stays unavailable
        return button;
    }
    case K::RichText: {
        auto* view = new QTextEdit;
        view->setReadOnly(true);
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        return view;
    }
    case K::Picture: {
        // The picture at its own size on white, scrolled when larger than the window.
        auto* area = new QScrollArea;
        area->setWidget(new QLabel);
        area->setAlignment(Qt::AlignCenter);
        area->setBackgroundRole(QPalette::Base);
        return area;
    }
    case K::Menu:
    case K::MenuItem:
    case K::Separator: return nullptr;
    }
    return nullptr;
}

// A Close or Cancel button ("&Close", "Close", "&Cancel Update").
bool closes(const app::Control& c)
{
    const QString caption = withoutAccelerators(c.caption);
    return caption.startsWith("Close") || caption.startsWith("Cancel");
}

bool isMenuEntry(const app::Control& c)
{
    return c.kind == K::Menu || c.kind == K::MenuItem || c.kind == K::Separator;
}

} // namespace

FormWindow::FormWindow(app::Window& core, Desktop& desktop, Qt::WindowFlags flags)
    : QWidget(nullptr, flags), core_(core), desktop_(desktop)
{
    setObjectName(toQt(core.name()));
    build();
    buildMenu();
    push(true);
    if (core.previewsKeys())
        keyPreview_ = new KeyPreview(*this, [this](app::Key key) { dispatch([this, key] { core_.keyDown(key); }); });
    connect(qApp, &QApplication::focusChanged, this, &FormWindow::focusChanged);
    desktop_.add(*this);
    hide();
}

FormWindow::~FormWindow()
{
    // The widgets go after the core: stop forwarding their events first.
    disconnect(qApp, nullptr, this, nullptr);
    delete keyPreview_;
    desktop_.remove(*this);
}

void FormWindow::build()
{
    std::map<std::string_view, QWidget*> byName;
    for (const app::Control& c : core_.controls()) {
        QWidget* w = makeWidget(c);
        if (!w)
            continue;
        w->setObjectName(toQt(c.name));
        auto parent = byName.find(c.parent);
        w->setParent(parent != byName.end() ? parent->second : this);
        if (!c.hint.empty()) {
            w->setToolTip(toQt(c.hint));
            w->setToolTipDuration(kHintMilliseconds);
        }
        if (c.kind == K::Button && c.onClick)
            connect(static_cast<QPushButton*>(w), &QPushButton::clicked, this, [this, &c] { dispatch(c.onClick); });
        if (!c.visible)
            w->setVisible(false);
        if (c.kind == K::TextView || c.kind == K::TextEdit || c.kind == K::RichText)
            makeZoomable(*w);
        // Esc presses the window's Close or Cancel button.
        if (c.kind == K::Button && c.onClick && closes(c)) {
            auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
            connect(escape, &QShortcut::activated, this, [this, &c] { dispatch(c.onClick); });
        }
        byName[c.name] = w;
        bound_.push_back(Bound{.control = &c, .widget = w});
    }
}

void FormWindow::buildMenu()
{
    std::map<std::string_view, QMenu*> menus;
    for (const app::Control& c : core_.controls()) {
        if (!isMenuEntry(c))
            continue;
        if (!menuBar_) {
            menuBar_ = new QMenuBar(this);
            menuBar_->setNativeMenuBar(false);
        }
        QAction* action = nullptr;
        if (c.kind == K::Menu) {
            QMenu* menu = menuBar_->addMenu(toQt(c.caption));
            menu->setObjectName(toQt(c.name));
            menu->setToolTipsVisible(true);
            menus[c.name] = menu;
            action = menu->menuAction();
        } else if (c.kind == K::Separator) {
            action = menus.at(c.parent)->addSeparator();
        } else {
            action = c.parent.empty() ? menuBar_->addAction(toQt(c.caption))
                                      : menus.at(c.parent)->addAction(toQt(c.caption));
            action->setEnabled(bool(c.onClick));
            if (c.onClick)
                connect(action, &QAction::triggered, this, [this, &c] { dispatch(c.onClick); });
        }
        if (c.kind != K::Menu)
            action->setObjectName(toQt(c.name));
        if (!c.hint.empty()) {
            action->setToolTip(toQt(c.hint));
            action->setStatusTip(toQt(c.hint));
        }
        if (!c.visible) {
            action->setVisible(false);
            action->setEnabled(false);
        }
    }
}

QWidget* FormWindow::widget(std::string_view control) const
{
    for (const Bound& b : bound_)
        if (b.control->name == control)
            return b.widget;
    return nullptr;
}

// ---------------------------------------------------------------- commands

bool FormWindow::dispatch(const std::function<void()>& command)
{
    // A dialog's own event loop must not start a second command meanwhile.
    if (core_.dispatcher().busy())
        return false;
    pull();
    core_.dispatcher().dispatch(command);
    desktop_.commandEnded();
    return true;
}

void FormWindow::click(std::string_view control)
{
    if (const app::Control* c = core_.control(control); c && c->onClick)
        dispatch(c->onClick);
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    if (desktop_.ended()) {
        event->accept(); // the program is ending: nothing more to ask
        return;
    }
    closing_ = true;
    bool mayClose = false;
    bool ran = dispatch([this, &mayClose] { mayClose = core_.closeQuery(); });
    closing_ = false;
    event->setAccepted(ran && mayClose);
}

void FormWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        bool remembered = placed_;
        if (!placed_) {
            placed_ = true;
            keepWrappedTextWhole();
            const QByteArray geometry = windowGeometry(objectName());
            remembered = !geometry.isEmpty() && restoreGeometry(geometry);
        }
        if (QScreen* screen = QGuiApplication::primaryScreen(); centred_ && !remembered && screen)
            move(screen->availableGeometry().center() - rect().center());
        if (maximised_)
            setWindowState(windowState() | Qt::WindowMaximized);
    }
    QWidget::showEvent(event);
}

void FormWindow::keepWrappedTextWhole()
{
    // A layout with word-wrapped labels gives no minimum height for the width:
    // the window is at least as wide as its layout would have it, and as high
    // as its texts need at that width.
    QLayout* column = layout();
    if (!column || !column->hasHeightForWidth() || maximised_)
        return;
    const int width = std::max(minimumWidth(), column->sizeHint().width());
    setMinimumSize(width, std::max(minimumHeight(), column->totalHeightForWidth(width)));
    resize(size().expandedTo(minimumSize()));
}

void FormWindow::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous())
        saveWindowGeometry(objectName(), saveGeometry());
    QWidget::hideEvent(event);
}

// ---------------------------------------------------------------- the boxes

void FormWindow::pull()
{
    for (Bound& b : bound_) {
        const app::Control& c = *b.control;
        switch (c.kind) {
        case K::Edit: *c.text = b.text = fromQt(static_cast<QLineEdit*>(b.widget)->text()); break;
        case K::ComboBox: {
            auto* box = static_cast<QComboBox*>(b.widget);
            *c.text = b.text = fromQt(box->currentText());
            *c.itemIndex = b.itemIndex = box->currentIndex();
            break;
        }
        case K::TextEdit: *c.lines = b.lines = splitLines(static_cast<QPlainTextEdit*>(b.widget)->toPlainText()); break;
        case K::CheckBox:
        case K::RadioButton: *c.checked = b.checked = static_cast<QAbstractButton*>(b.widget)->isChecked(); break;
        default: break;
        }
    }
    shownFocus_ = controlOf(focusWidget());
    core_.setFocus(shownFocus_);
}

void FormWindow::push(bool all)
{
    if (all || core_.caption() != shownCaption_) {
        shownCaption_ = core_.caption();
        setWindowTitle(toQt(shownCaption_));
    }
    for (Bound& b : bound_)
        pushBound(b, all);
    pushFocus(all);
}

void FormWindow::pushControl(std::string_view control)
{
    for (Bound& b : bound_)
        if (b.control->name == control) {
            pushBound(b, false);
            b.widget->repaint();
        }
}

void FormWindow::pushBound(Bound& b, bool all)
{
    const app::Control& c = *b.control;
    switch (c.kind) {
    case K::Edit:
    case K::ReadOnlyEdit:
        if (all || *c.text != b.text) {
            static_cast<QLineEdit*>(b.widget)->setText(toQt(*c.text));
            b.text = *c.text;
        }
        break;
    case K::ComboBox: {
        auto* box = static_cast<QComboBox*>(b.widget);
        bool itemsChanged = all || *c.lines != b.lines;
        bool indexChanged = itemsChanged || *c.itemIndex != b.itemIndex;
        if (itemsChanged) {
            QSignalBlocker quiet(box);
            box->clear();
            for (const std::string& item : *c.lines)
                box->addItem(toQt(item));
        }
        if (indexChanged) {
            QSignalBlocker quiet(box);
            box->setCurrentIndex(*c.itemIndex);
        }
        // Filling the list or choosing an item replaces the edit text: set it last.
        if (indexChanged || *c.text != b.text)
            box->setEditText(toQt(*c.text));
        b.lines = *c.lines;
        b.itemIndex = *c.itemIndex;
        b.text = *c.text;
        break;
    }
    case K::TextView:
    case K::TextEdit:
        // An edited text stays on screen until the core holds another.
        if (all || *c.lines != b.lines) {
            static_cast<QPlainTextEdit*>(b.widget)->setPlainText(joinLines(*c.lines));
            b.lines = *c.lines;
        }
        break;
    case K::Label:
        if (c.text && (all || *c.text != b.text)) {
            static_cast<QLabel*>(b.widget)->setText(toQt(*c.text));
            b.text = *c.text;
        }
        break;
    case K::RichText:
        // The document with its formatting; the plain lines until one is loaded.
        if (all || *c.document != b.document) {
            auto* view = static_cast<QTextEdit*>(b.widget);
            if (*c.document)
                view->setHtml(QString::fromStdString(richtext::toHtml(**c.document)));
            else
                view->setPlainText(joinLines(*c.lines));
            b.document = *c.document;
        }
        break;
    case K::Picture:
        if (all || *c.picture != b.picture) {
            auto* label = static_cast<QLabel*>(static_cast<QScrollArea*>(b.widget)->widget());
            label->setPixmap(*c.picture ? QPixmap::fromImage(render::paint(**c.picture)) : QPixmap());
            label->adjustSize();
            b.picture = *c.picture;
        }
        break;
    case K::CheckBox:
        if (all || *c.checked != b.checked)
            static_cast<QCheckBox*>(b.widget)->setChecked(*c.checked);
        b.checked = *c.checked;
        break;
    case K::RadioButton:
        // Setting one button of a group clears the others.
        if (*c.checked && (all || !b.checked))
            static_cast<QRadioButton*>(b.widget)->setChecked(true);
        b.checked = *c.checked;
        break;
    default: break;
    }
}

void FormWindow::pushFocus(bool all)
{
    const std::string& focus = core_.focus();
    if (!all && focus == shownFocus_)
        return;
    if (QWidget* w = widget(focus))
        w->setFocus();
    shownFocus_ = focus;
}

std::string_view FormWindow::controlOf(const QWidget* w) const
{
    for (; w && w != this; w = w->parentWidget())
        for (const Bound& b : bound_)
            if (b.widget == w)
                return b.control->name;
    return {};
}

void FormWindow::focusChanged(QWidget* old, QWidget* now)
{
    // The person moving from a control to another of this window leaves it
    // (leaving the search box runs its exit handler). A message box or another
    // window taking the focus is not leaving it, and a move made by a command
    // is the core's own doing (one command runs at a time).
    if (!old || !now || old->window() != this || now->window() != this)
        return;
    std::string_view left = controlOf(old);
    if (left.empty() || controlOf(now) == left)
        return;
    if (const app::Control* c = core_.control(left); c && c->onExit)
        dispatch([this, left] { core_.leaveControl(left); });
}

} // namespace ui
