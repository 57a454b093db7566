#pragma once
// The main window's menu bar, built from the menu table.
#include <functional>
#include <string_view>

class QMenuBar;

namespace ui {

// Adds every menu, item, separator and bar command in table order, each named
// after its entry. A command is enabled only when the core has a handler for
// it; choosing it calls onCommand with its name.
void buildMainMenu(QMenuBar& bar, const std::function<void(std::string_view)>& onCommand);

} // namespace ui
