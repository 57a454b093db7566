#pragma once
// What a name in a script stands for on the program's windows.
#include <optional>
#include <string>
#include <string_view>

namespace driver {

// The control of the main window that a script name means: "Memo1" and
// "Parishfm.Memo1" both give "Memo1". Throws ScriptError (line 0) for a
// control of another window, none of which the driver can show yet.
std::string mainWindowControl(std::string_view scriptName);

// The control of the report viewer that a script name means: "ParListFm.Scale"
// gives "Scale"; nothing for a name of another window.
std::optional<std::string> parListControl(std::string_view scriptName);

// The control of the map sheet window that a script name means: "Mapfm.RichEdit1"
// gives "RichEdit1"; nothing for a name of another window.
std::optional<std::string> mapControl(std::string_view scriptName);

// The window that a form name means, for `key FORM KEY`; throws ScriptError
// (line 0) for an unknown window or one the driver cannot show yet.
void requireMainWindow(std::string_view formName);

// The main window's push buttons.
bool isButton(std::string_view name);

enum class MenuEntryKind { None, Command, DropDown, Separator };
// What a name of the menu bar is: a command (an item, or an entry on the bar
// itself), a drop-down menu, a separator, or no menu entry at all.
MenuEntryKind menuEntryKind(std::string_view name);

} // namespace driver
