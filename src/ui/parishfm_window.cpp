#include "parishfm_window.h"

#include "app/general_error.h"
#include "app/parishfm_view.h"
#include "ui/key_preview.h"
#include "ui/main_menu_bar.h"
#include "ui/qt_ports.h"
#include "ui/qt_text.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace ui {
namespace {

constexpr int kClientWidth = 609;
constexpr int kClientHeight = 432;
constexpr int kLeft = 100;
constexpr int kTop = 89;

QString joinLines(const std::vector<std::string>& lines)
{
    QStringList out;
    for (const std::string& line : lines)
        out << toQt(line);
    return out.join(QLatin1Char('\n'));
}

// Clears a flag when the scope ends, also by an exception.
class FlagGuard {
public:
    explicit FlagGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagGuard() { flag_ = false; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

private:
    bool& flag_;
};

} // namespace

TParishfm::TParishfm(const std::filesystem::path& workingDirectory, QWidget* parent)
    : QMainWindow(parent), qtPorts_(std::make_unique<QtPorts>(this)), dialogs_(qtPorts_->dialogs),
      feedback_(*this, qtPorts_->feedback), platform_(qtPorts_->platform)
{
    build(workingDirectory);
}

TParishfm::TParishfm(const std::filesystem::path& workingDirectory, app::Dialogs& dialogs, app::Feedback& feedback,
                     app::Platform& platform, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), feedback_(*this, feedback), platform_(platform)
{
    build(workingDirectory);
}

TParishfm::~TParishfm()
{
    // The widgets go after the core and the ports: stop forwarding their events first.
    disconnect(qApp, nullptr, this, nullptr);
    delete keyPreview_;
}

void TParishfm::build(const std::filesystem::path& workingDirectory)
{
    setObjectName("Parishfm");
    setWindowTitle("Parishfm");
    setFont(windowFont());

    auto* client = new QWidget(this);
    client->setMinimumSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
    controls_ = buildParishfmControls(*client);
    for (auto& [name, button] : controls_.buttons) {
        button->setEnabled(app::findHandler(name).has_value());
        connect(button, &QPushButton::clicked, this, [this, name = name] { runCommand(name); });
    }

    // Enter in the search box finds, as if "Find First" were the window's default button.
    connect(controls_.TarPar->lineEdit(), &QLineEdit::returnPressed, this, [this] { runCommand("FindFirst"); });

    menuBar()->setNativeMenuBar(false);
    buildMainMenu(*menuBar(), [this](std::string_view name) { runCommand(name); });
    move(kLeft, kTop);
    adjustSize();

    core_ = std::make_unique<app::Parishfm>(app::Ports{dialogs_, feedback_, platform_}, workingDirectory);
    // The widgets start with their design texts (the search box's among them)
    // and the core's empty views.
    pullFromWidgets();
    pushToWidgets(true);
    keyPreview_ = new KeyPreview(
        *this, [this](app::Key key) { dispatch([key](app::Parishfm& core) { core.FormKeyDown(key); }); });
    connect(qApp, &QApplication::focusChanged, this, &TParishfm::focusChanged);
    dispatch([](app::Parishfm& core) { core.FormCreate(); });
}

// ---------------------------------------------------------------- commands

void TParishfm::runCommand(std::string_view control)
{
    if (auto handler = app::findHandler(control))
        dispatch([h = *handler](app::Parishfm& core) { (core.*h)(); });
}

void TParishfm::dispatch(const std::function<void(app::Parishfm&)>& command)
{
    // A dialog's own event loop must not start a second command meanwhile.
    if (dispatching_)
        return;
    {
        FlagGuard busy(dispatching_);
        pullFromWidgets();
        try {
            app::runCommand(dialogs_, [&] { command(*core_); });
        } catch (...) {
            // Nothing may escape into the event loop; the program goes on.
            dialogs_.errorBox("The command ended with an unexpected error.");
        }
        pushToWidgets(false);
    }
    // A command that ended the program (Exit) closes the window without asking again.
    if (core_->ended() && !mayClose_) {
        mayClose_ = true;
        if (isVisible() && !inCloseEvent_)
            close();
    }
}

void TParishfm::closeEvent(QCloseEvent* event)
{
    if (!mayClose_) {
        FlagGuard closing(inCloseEvent_);
        bool answer = false;
        dispatch([&answer](app::Parishfm& core) { answer = core.FormCloseQuery(); });
        mayClose_ = mayClose_ || answer;
    }
    event->setAccepted(mayClose_);
}

// ---------------------------------------------------------------- the boxes

void TParishfm::pullFromWidgets()
{
    app::ParishfmView& v = core_->view;
    v.TarPar = fromQt(controls_.TarPar->currentText());
    v.TarParItemIndex = controls_.TarPar->currentIndex();
    v.Radius = fromQt(controls_.Radius->text());
    v.AnyRb = controls_.AnyRb->isChecked();
    v.StartRb = controls_.StartRb->isChecked();
    v.focus = boxOf(focusWidget());

    shown_.TarPar = v.TarPar;
    shown_.TarParItemIndex = v.TarParItemIndex;
    shown_.Radius = v.Radius;
    shown_.AnyRb = v.AnyRb;
    shown_.StartRb = v.StartRb;
    shown_.focus = v.focus;
}

void TParishfm::pushToWidgets(bool all)
{
    pushSearchBox(all);
    for (const auto& [name, edit] : controls_.edits)
        pushBox(name, all);
    for (const auto& [name, view] : controls_.textViews)
        pushBox(name, all);
    const app::ParishfmView& v = core_->view;
    if (all || v.AnyRb != shown_.AnyRb || v.StartRb != shown_.StartRb) {
        // Setting one of an exclusive pair clears the other.
        if (v.AnyRb)
            controls_.AnyRb->setChecked(true);
        if (v.StartRb)
            controls_.StartRb->setChecked(true);
        shown_.AnyRb = v.AnyRb;
        shown_.StartRb = v.StartRb;
    }
    if (all || v.focus != shown_.focus)
        pushFocus();
}

bool TParishfm::pushBox(std::string_view control, bool all)
{
    app::ParishfmView& v = core_->view;
    if (std::string* text = app::textBox(v, control)) {
        std::string& shown = *app::textBox(shown_, control);
        for (const auto& [name, edit] : controls_.edits) {
            if (name == control && (all || *text != shown)) {
                edit->setText(toQt(*text));
                shown = *text;
            }
        }
        return true;
    }
    if (std::vector<std::string>* lines = app::linesBox(v, control)) {
        std::vector<std::string>& shown = *app::linesBox(shown_, control);
        for (const auto& [name, view] : controls_.textViews) {
            if (name == control && (all || *lines != shown)) {
                view->setPlainText(joinLines(*lines));
                shown = *lines;
            }
        }
        return true;
    }
    return false;
}

void TParishfm::pushSearchBox(bool all)
{
    const app::ParishfmView& v = core_->view;
    QComboBox& box = *controls_.TarPar;
    bool itemsChanged = all || v.TarParItems != shown_.TarParItems;
    bool indexChanged = itemsChanged || v.TarParItemIndex != shown_.TarParItemIndex;
    if (itemsChanged) {
        QSignalBlocker quiet(box);
        box.clear();
        for (const std::string& item : v.TarParItems)
            box.addItem(toQt(item));
    }
    if (indexChanged) {
        QSignalBlocker quiet(box);
        box.setCurrentIndex(v.TarParItemIndex);
    }
    // Filling the list or choosing an item replaces the edit text: set it last.
    if (indexChanged || v.TarPar != shown_.TarPar)
        box.setEditText(toQt(v.TarPar));
    shown_.TarParItems = v.TarParItems;
    shown_.TarParItemIndex = v.TarParItemIndex;
    shown_.TarPar = v.TarPar;
}

app::Focus TParishfm::boxOf(const QWidget* widget) const
{
    if (!widget)
        return app::Focus::None;
    if (widget == controls_.TarPar || controls_.TarPar->isAncestorOf(widget))
        return app::Focus::TarPar;
    if (widget == controls_.Radius)
        return app::Focus::Radius;
    if (widget == controls_.AnyRb || widget == controls_.StartRb)
        return app::Focus::SearchMode;
    return app::Focus::None;
}

void TParishfm::focusChanged(QWidget* old, QWidget* now)
{
    // The person moving from a box to another control of this window leaves
    // the box (leaving the search box runs its exit handler). A message box or
    // another window taking the focus is not leaving it, and a move made by a
    // command is the core's own doing (dispatch runs one command at a time).
    if (!old || !now || old->window() != this || now->window() != this)
        return;
    app::Focus left = boxOf(old);
    if (left == app::Focus::None || boxOf(now) == left)
        return;
    dispatch([left](app::Parishfm& core) { core.leaveControl(left); });
}

void TParishfm::pushFocus()
{
    switch (core_->view.focus) {
    case app::Focus::TarPar: controls_.TarPar->setFocus(); break;
    case app::Focus::Radius: controls_.Radius->setFocus(); break;
    case app::Focus::SearchMode:
        (controls_.AnyRb->isChecked() ? controls_.AnyRb : controls_.StartRb)->setFocus();
        break;
    case app::Focus::None: break;
    }
    shown_.focus = core_->view.focus;
}

void TParishfm::BoxFeedback::repaint(std::string_view control)
{
    if (window_.pushBox(control, false)) {
        if (auto* widget = window_.findChild<QWidget*>(toQt(control)))
            widget->repaint();
    }
    inner_.repaint(control);
}

} // namespace ui
