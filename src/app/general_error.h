#pragma once
// One place where a command's unhandled error ends that command only and is
// shown in the general error box; the program then goes on.
#include "app/ports.h"

#include <functional>
#include <string>

namespace app {

// The error text as the box shows it: a full stop is added when the last
// character sorts after the full stop (letters and digits among them).
std::string withFullStop(std::string text);

// Runs command; any std::exception it lets out is shown by dialogs.errorBox.
// Other exceptions pass through (the driver uses one to stop a script).
void runCommand(Dialogs& dialogs, const std::function<void()>& command);

} // namespace app
