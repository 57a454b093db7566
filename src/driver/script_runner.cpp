// SPDX-License-Identifier: GPL-3.0-or-later
#include "script_runner.h"

#include "app/developer_tools.h"
#include "app/forms.h"
#include "app/map_commands.h"
#include "driver/script_reader.h"

#include <algorithm>

namespace driver {
namespace {

using app::ControlKind;

[[noreturn]] void fail(std::string message)
{
    throw ScriptError{0, std::move(message)};
}

std::string where(int line)
{
    return line > 0 ? "line " + std::to_string(line) : std::string("start");
}

bool isForm(std::string_view name)
{
    return std::ranges::any_of(app::kForms, [&](const app::FormInfo& f) { return f.name == name; });
}

constexpr std::string_view kItemsSuffix = ".Items";

} // namespace

ScriptRunner::ScriptRunner(app::Program& program, ScriptPorts& ports) : program_(program), ports_(ports) {}

void ScriptRunner::start()
{
    line_ = 0;
    program_.start();
    if (program_.ended())
        ports_.event("end");
}

void ScriptRunner::run(const std::vector<Command>& commands)
{
    bool ended = false;
    for (const Command& command : commands) {
        line_ = command.line;
        try {
            // The person cannot use a program that has ended.
            if (ended)
                fail("the program has ended: no command runs after it");
            std::visit(*this, command.action);
        } catch (ScriptError& e) {
            e.line = line_;
            throw;
        }
        if (program_.ended() && !ended) {
            ports_.event("end");
            ended = true;
        }
    }
}

// ------------------------------------------------------------ names

app::Window& ScriptRunner::form(std::string_view formName)
{
    if (app::Window* w = program_.window(formName))
        return *w;
    if (isForm(formName))
        fail("the window " + std::string(formName) + " is not available");
    fail("unknown window " + std::string(formName));
}

ScriptRunner::Target ScriptRunner::target(std::string_view scriptName)
{
    app::Window& main = program_.mainWindow();
    std::size_t dot = scriptName.find('.');
    if (dot != std::string_view::npos && isForm(scriptName.substr(0, dot))) {
        app::Window& w = form(scriptName.substr(0, dot));
        std::string control(scriptName.substr(dot + 1));
        return {&w, control, &w == &main ? control : std::string(scriptName)};
    }
    // A plain name, or one like "TarPar.Items" whose first part is no window.
    return {&main, std::string(scriptName), std::string(scriptName)};
}

void ScriptRunner::requireReachable(const app::Window& window)
{
    for (const app::Window* w : program_.windows())
        if (w != &window && w->modal() && w->visible()) {
            const std::string name(w->name());
            fail("the window " + name + " is modal: close it first (click " + name + "." + std::string(w->closeButton())
                 + ")");
        }
}

const app::Control& ScriptRunner::control(const Target& t, std::string_view scriptName)
{
    if (const app::Control* c = t.window->control(t.control))
        return *c;
    fail("unknown control " + std::string(scriptName));
}

void ScriptRunner::dispatch(const std::function<void()>& command)
{
    program_.dispatcher().dispatch(command);
}

// ------------------------------------------------------------ commands

void ScriptRunner::operator()(const SetText& c)
{
    Target t = target(c.control);
    requireReachable(*t.window);
    const app::Control& box = control(t, c.control);
    // Read-only boxes may be set too, so a script can state a situation
    // (a 1st parish's easting, say) directly.
    if (!box.text)
        fail(t.shown + " is not an edit box");
    // Typing stops at the box's limit.
    *box.text = box.maxLength > 0 ? c.text.substr(0, static_cast<std::size_t>(box.maxLength)) : c.text;
}

void ScriptRunner::operator()(const Click& c)
{
    Target t = target(c.name);
    if (t.window->modal() && !t.window->visible())
        fail("the window " + std::string(t.window->name()) + " is not on screen");
    requireReachable(*t.window);
    const app::Control* item = t.window->control(t.control);
    if (!item)
        fail("unknown button or menu item " + c.name);
    switch (item->kind) {
    case ControlKind::Button:
    case ControlKind::MenuItem:
        if (!item->onClick)
            fail(t.shown + " is not available");
        dispatch(item->onClick);
        return;
    case ControlKind::Menu: fail(t.shown + " is a menu: click one of its items");
    case ControlKind::Separator: fail(t.shown + " is a separator");
    default: fail(t.shown + " is not a button or menu item");
    }
}

void ScriptRunner::operator()(const PressKey& c)
{
    app::Window& w = c.form.empty() ? program_.mainWindow() : form(c.form);
    requireReachable(w);
    // The key preview runs the move first; the focused control's own use of the
    // key (the search box stepping through its items) is not modelled.
    if (w.previewsKeys())
        dispatch([&] { w.keyDown(c.key); });
}

void ScriptRunner::operator()(const LeaveControl& c)
{
    Target t = target(c.control);
    requireReachable(*t.window);
    const app::Control& left = control(t, c.control);
    // The window runs the control's exit handler (TarParExit for the search box).
    dispatch([&] { t.window->leaveControl(left.name); });
}

void ScriptRunner::operator()(const Check& c)
{
    Target t = target(c.control);
    requireReachable(*t.window);
    const app::Control& box = control(t, c.control);
    if (box.kind == ControlKind::CheckBox) {
        *box.checked = c.on;
        return;
    }
    if (box.kind != ControlKind::RadioButton)
        fail(t.shown + " is not a radio button or check box");
    // A click only turns a radio button on; the others of its group go off.
    if (!c.on)
        fail(t.shown + " is a radio button: check another button of its group on");
    for (const app::Control& other : t.window->controls())
        if (other.kind == ControlKind::RadioButton && other.parent == box.parent)
            *other.checked = &other == &box;
}

void ScriptRunner::operator()(const Pick& c)
{
    Target t = target(c.control);
    requireReachable(*t.window);
    const app::Control& box = control(t, c.control);
    if (box.kind != ControlKind::ComboBox)
        fail(t.shown + " has no items to pick");
    const std::vector<std::string>& items = *box.lines;
    std::size_t index = 0;
    if (const auto* wanted = std::get_if<std::size_t>(&c.item)) {
        index = *wanted;
        if (index >= items.size())
            fail(t.shown + " has no item " + std::to_string(index) + " (it has " + std::to_string(items.size()) + ")");
    } else {
        const std::string& text = std::get<std::string>(c.item);
        index = static_cast<std::size_t>(std::find(items.begin(), items.end(), text) - items.begin());
        if (index == items.size())
            fail(t.shown + " has no item " + quote(text));
    }
    *box.text = items[index];
    *box.itemIndex = static_cast<int>(index);
}

void ScriptRunner::operator()(const QueueAnswers& c)
{
    ports_.answers().insert(ports_.answers().end(), c.answers.begin(), c.answers.end());
}

void ScriptRunner::operator()(const Dump& c)
{
    // Every name is checked before anything is printed.
    struct Found {
        const app::Control* control;
        bool items; // a combo box's list rather than its text
    };
    std::vector<Found> found;
    for (const std::string& scriptName : c.controls) {
        Target t = target(scriptName);
        const app::Control* box = t.window->control(t.control);
        bool items = false;
        if (!box && t.control.ends_with(kItemsSuffix)) {
            std::string_view owner = std::string_view(t.control).substr(0, t.control.size() - kItemsSuffix.size());
            box = t.window->control(owner);
            items = box && box->kind == ControlKind::ComboBox;
            if (!items)
                box = nullptr;
        }
        if (!box)
            fail("unknown control " + scriptName);
        if (!box->text && !box->lines && !box->checked)
            fail(t.shown + " has no text to dump");
        found.push_back({box, items});
    }
    for (std::size_t i = 0; i < found.size(); ++i)
        dumpOne(c.controls[i], *found[i].control, found[i].items);
}

void ScriptRunner::dumpOne(const std::string& scriptName, const app::Control& box, bool items)
{
    if (box.text && !items) {
        ports_.event(scriptName + " = " + quote(*box.text));
    } else if (box.lines) {
        for (std::size_t i = 0; i < box.lines->size(); ++i)
            ports_.event(scriptName + "[" + std::to_string(i) + "] = " + quote((*box.lines)[i]));
    } else if (box.checked) {
        ports_.event(scriptName + (*box.checked ? " = on" : " = off"));
    }
}

void ScriptRunner::operator()(const ShowState&)
{
    const app::Parishfm& main = program_.mainWindow();
    ports_.event("state record " + std::to_string(main.currentRecord()) + " of " + std::to_string(main.recordCount()));
}

void ScriptRunner::operator()(const Close&)
{
    app::Parishfm& main = program_.mainWindow();
    requireReachable(main);
    // The window closes when its close query agrees; the program then reports ended().
    dispatch([&] { main.closeQuery(); });
}

// ------------------------------------------------------------ session

int runSession(std::string_view script, const std::filesystem::path& workingDirectory, std::ostream& out,
               std::ostream& err)
{
    std::vector<Command> commands;
    try {
        commands = readScript(script);
    } catch (const ScriptError& e) {
        err << where(e.line) << ": " << e.message << '\n';
        return kScriptFailed;
    }

    ScriptPorts ports(out);
    app::Program program(ports.ports(), workingDirectory, app::mapHostSetting(), app::myToolsSetting(false));
    ScriptRunner runner(program, ports);
    try {
        runner.start();
        if (!program.ended())
            runner.run(commands);
    } catch (const ScriptError& e) {
        err << where(e.line) << ": " << e.message << '\n';
        return kScriptFailed;
    } catch (const AnswerMismatch& e) {
        err << where(runner.currentLine()) << ": " << e.message << '\n';
        return kScriptFailed;
    } catch (const Unanswered&) {
        err << where(runner.currentLine()) << ": a box appeared with no answer queued\n";
        return kDialogUnanswered;
    }
    if (std::size_t left = ports.answers().size()) {
        err << left << (left == 1 ? " answer is" : " answers are") << " still queued at the end of the script\n";
        return kAnswersLeftOver;
    }
    return kScriptRan;
}

} // namespace driver
