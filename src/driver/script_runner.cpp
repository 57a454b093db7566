#include "script_runner.h"

#include "driver/main_window_names.h"
#include "driver/script_reader.h"

#include <algorithm>
#include <optional>

namespace driver {
namespace {

[[noreturn]] void fail(std::string message)
{
    throw ScriptError{0, std::move(message)};
}

// The controls whose focus the core follows; losing the focus does nothing
// for the others.
std::optional<app::Focus> focusOf(std::string_view control)
{
    if (control == "TarPar")
        return app::Focus::TarPar;
    if (control == "Radius")
        return app::Focus::Radius;
    if (control == "AnyRb" || control == "StartRb")
        return app::Focus::SearchMode;
    return std::nullopt;
}

// Every control of the report viewer, its labels and panel included.
bool isParListControl(std::string_view control)
{
    static constexpr std::string_view kOthers[] = {"Panel1",    "Label1", "Label2",   "Label3",
                                                   "RichEdit1", "Scale",  "CheckBox1"};
    return app::isParListButton(control) || std::ranges::find(kOthers, control) != std::end(kOthers);
}

std::string where(int line)
{
    return line > 0 ? "line " + std::to_string(line) : std::string("start");
}

} // namespace

ScriptRunner::ScriptRunner(app::Parishfm& core, ScriptPorts& ports) : core_(core), ports_(ports) {}

void ScriptRunner::start()
{
    line_ = 0;
    core_.FormCreate();
    // The other windows are created here, in their order, once the driver can show them.
    if (core_.ended())
        ports_.event("end");
}

void ScriptRunner::run(const std::vector<Command>& commands)
{
    for (const Command& command : commands) {
        line_ = command.line;
        try {
            std::visit(*this, command.action);
        } catch (ScriptError& e) {
            e.line = line_;
            throw;
        }
        if (core_.ended()) {
            ports_.event("end");
            return;
        }
    }
}

bool ScriptRunner::isControl(const std::string& name)
{
    return app::textBox(core_.view, name) || (app::linesBox(core_.view, name) && name != "TarPar.Items")
           || app::checkBox(core_.view, name) || isButton(name);
}

// ------------------------------------------------------------ the map sheet window

void ScriptRunner::requireReachable(const std::string& scriptName)
{
    if (mapWindow().view.visible && !mapControl(scriptName))
        fail("the window Mapfm is modal: close it first (click Mapfm.BitBtn1)");
}

bool ScriptRunner::clickOnMap(const std::string& scriptName)
{
    auto control = mapControl(scriptName);
    if (!control)
        return false;
    if (!mapWindow().view.visible)
        fail("the window Mapfm is not on screen");
    if (auto handler = app::findMapfmHandler(*control)) {
        mapWindow().run(*handler);
        return true;
    }
    fail(app::isMapfmControl(*control) ? scriptName + " is not a button or menu item"
                                       : "unknown button or menu item " + scriptName);
}

// Typing, checking and picking have nothing to act on in the map sheet window.
bool ScriptRunner::refuseOnMap(const std::string& scriptName, std::string_view what)
{
    auto control = mapControl(scriptName);
    if (!control)
        return false;
    fail(app::isMapfmControl(*control) ? scriptName + " " + std::string(what) : "unknown control " + scriptName);
}

// ------------------------------------------------------------ commands

void ScriptRunner::operator()(const SetText& c)
{
    refuseOnMap(c.control, "is not an edit box");
    requireReachable(c.control);
    if (auto control = parListControl(c.control)) {
        std::string* box = app::parListTextBox(viewer().view, *control);
        if (!box)
            fail(isParListControl(*control) ? c.control + " is not an edit box" : "unknown control " + c.control);
        *box = c.text;
        return;
    }
    std::string name = mainWindowControl(c.control);
    // Read-only boxes may be set too, so a script can state a situation
    // (a 1st parish's easting, say) directly.
    std::string* box = app::textBox(core_.view, name);
    if (box)
        *box = c.text;
    else if (isControl(name))
        fail(name + " is not an edit box");
    else
        fail("unknown control " + c.control);
}

void ScriptRunner::operator()(const Click& c)
{
    if (clickOnMap(c.name))
        return;
    requireReachable(c.name);
    if (auto control = parListControl(c.name)) {
        if (auto handler = app::findParListHandler(*control)) {
            viewer().run(*handler);
            return;
        }
        if (app::isParListButton(*control))
            fail(c.name + " is not available");
        fail(isParListControl(*control) ? c.name + " is not a button or menu item"
                                        : "unknown button or menu item " + c.name);
    }
    std::string name = mainWindowControl(c.name);
    if (auto handler = app::findHandler(name)) {
        core_.run(*handler);
        return;
    }
    switch (menuEntryKind(name)) {
    case MenuEntryKind::Command: fail(name + " is not available");
    case MenuEntryKind::DropDown: fail(name + " is a menu: click one of its items");
    case MenuEntryKind::Separator: fail(name + " is a separator");
    case MenuEntryKind::None: break;
    }
    if (isButton(name))
        fail(name + " is not available");
    if (isControl(name))
        fail(name + " is not a button or menu item");
    fail("unknown button or menu item " + c.name);
}

void ScriptRunner::operator()(const PressKey& c)
{
    if (!c.form.empty())
        requireMainWindow(c.form);
    requireReachable(c.form.empty() ? "Parishfm" : c.form);
    // The key preview runs the move first; the focused control's own use of the
    // key (the search box stepping through its items) is not modelled.
    core_.run([&] { core_.FormKeyDown(c.key); });
}

void ScriptRunner::operator()(const LeaveControl& c)
{
    if (mapControl(c.control) && app::isMapfmControl(*mapControl(c.control)))
        return; // nothing in the map sheet window acts on losing the focus
    requireReachable(c.control);
    std::string name = mainWindowControl(c.control);
    if (!isControl(name))
        fail("unknown control " + c.control);
    // The core runs the control's exit handler (TarParExit for the search box).
    if (auto focus = focusOf(name))
        core_.run([&] { core_.leaveControl(*focus); });
}

void ScriptRunner::operator()(const Check& c)
{
    refuseOnMap(c.control, "is not a radio button or check box");
    requireReachable(c.control);
    if (auto control = parListControl(c.control)) {
        bool* box = app::parListCheckBox(viewer().view, *control);
        if (!box)
            fail(isParListControl(*control) ? c.control + " is not a radio button or check box"
                                            : "unknown control " + c.control);
        *box = c.on;
        return;
    }
    std::string name = mainWindowControl(c.control);
    if (!app::checkBox(core_.view, name))
        fail(isControl(name) ? name + " is not a radio button or check box" : "unknown control " + c.control);
    // Both of the window's are radio buttons, which a click only turns on.
    if (!c.on)
        fail(name + " is a radio button: check another button of its group on");
    app::setChecked(core_.view, name, true);
}

void ScriptRunner::operator()(const Pick& c)
{
    refuseOnMap(c.control, "has no items to pick");
    requireReachable(c.control);
    std::string name = mainWindowControl(c.control);
    if (name != "TarPar")
        fail(isControl(name) ? name + " has no items to pick" : "unknown control " + c.control);
    const std::vector<std::string>& items = core_.view.TarParItems;
    std::size_t index = 0;
    if (const auto* wanted = std::get_if<std::size_t>(&c.item)) {
        index = *wanted;
        if (index >= items.size())
            fail(name + " has no item " + std::to_string(index) + " (it has " + std::to_string(items.size()) + ")");
    } else {
        const std::string& text = std::get<std::string>(c.item);
        index = static_cast<std::size_t>(std::find(items.begin(), items.end(), text) - items.begin());
        if (index == items.size())
            fail(name + " has no item " + quote(text));
    }
    core_.view.TarPar = items[index];
    core_.view.TarParItemIndex = static_cast<int>(index);
}

void ScriptRunner::operator()(const QueueAnswers& c)
{
    ports_.answers().insert(ports_.answers().end(), c.answers.begin(), c.answers.end());
}

void ScriptRunner::operator()(const Dump& c)
{
    // Every name is checked before anything is printed.
    std::vector<std::string> names;
    for (const std::string& scriptName : c.controls) {
        if (auto control = mapControl(scriptName)) {
            if (!app::mapfmLinesBox(mapWindow().view, *control))
                fail(app::isMapfmControl(*control) ? scriptName + " has no text to dump"
                                                   : "unknown control " + scriptName);
            names.push_back(scriptName);
            continue;
        }
        if (auto control = parListControl(scriptName)) {
            app::ParListFmView& v = viewer().view;
            if (!app::parListTextBox(v, *control) && !app::parListLinesBox(v, *control)
                && !app::parListCheckBox(v, *control))
                fail(isParListControl(*control) ? scriptName + " has no text to dump"
                                                : "unknown control " + scriptName);
            names.push_back(scriptName);
            continue;
        }
        std::string name = mainWindowControl(scriptName);
        if (!app::textBox(core_.view, name) && !app::linesBox(core_.view, name) && !app::checkBox(core_.view, name))
            fail(isControl(name) ? name + " has no text to dump" : "unknown control " + scriptName);
        names.push_back(std::move(name));
    }
    for (std::size_t i = 0; i < names.size(); ++i)
        dumpOne(c.controls[i], names[i]);
}

void ScriptRunner::dumpOne(const std::string& scriptName, const std::string& control)
{
    if (auto mapName = mapControl(scriptName)) {
        const auto* lines = app::mapfmLinesBox(mapWindow().view, *mapName);
        for (std::size_t i = 0; i < lines->size(); ++i)
            ports_.event(scriptName + "[" + std::to_string(i) + "] = " + quote((*lines)[i]));
        return;
    }
    if (auto viewerControl = parListControl(scriptName)) {
        app::ParListFmView& v = viewer().view;
        if (const std::string* text = app::parListTextBox(v, *viewerControl))
            ports_.event(scriptName + " = " + quote(*text));
        else if (const auto* lines = app::parListLinesBox(v, *viewerControl))
            for (std::size_t i = 0; i < lines->size(); ++i)
                ports_.event(scriptName + "[" + std::to_string(i) + "] = " + quote((*lines)[i]));
        else if (const bool* on = app::parListCheckBox(v, *viewerControl))
            ports_.event(scriptName + (*on ? " = on" : " = off"));
        return;
    }
    if (const std::string* text = app::textBox(core_.view, control)) {
        ports_.event(scriptName + " = " + quote(*text));
    } else if (const std::vector<std::string>* lines = app::linesBox(core_.view, control)) {
        for (std::size_t i = 0; i < lines->size(); ++i)
            ports_.event(scriptName + "[" + std::to_string(i) + "] = " + quote((*lines)[i]));
    } else if (const bool* on = app::checkBox(core_.view, control)) {
        ports_.event(scriptName + (*on ? " = on" : " = off"));
    }
}

void ScriptRunner::operator()(const ShowState&)
{
    ports_.event("state record " + std::to_string(core_.currentRecord()) + " of "
                 + std::to_string(core_.recordCount()));
}

void ScriptRunner::operator()(const Close&)
{
    requireReachable("Parishfm");
    // The window closes when FormCloseQuery agrees; the core then reports ended().
    core_.run([&] { core_.FormCloseQuery(); });
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
    app::Parishfm core(ports.ports(), workingDirectory);
    core.setMapHost(app::mapHostSetting());
    ScriptRunner runner(core, ports);
    try {
        runner.start();
        if (!core.ended())
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
