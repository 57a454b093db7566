// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// --quit-when-shown: the application ends as soon as a window has been painted
// on the screen for the first time. A start-up harness times a program from
// its start to its window shown, and its memory then, over repeated runs.
#include <string_view>

class QWidget;

namespace ui {

inline constexpr std::string_view kQuitWhenShownOption = "--quit-when-shown";

// Ends the event loop (exit code 0) once window's first paint is on the
// screen. Call before the event loop runs; the window may be shown later.
void quitWhenShown(QWidget& window);

} // namespace ui
