// SPDX-License-Identifier: GPL-3.0-or-later
#include "my_text_window.h"

namespace app {

MyTextWindow::MyTextWindow(Ports ports, Dispatcher& dispatcher) : Window("MyTextfm", "MyTextfm", ports, dispatcher)
{
    controls_ = {{.name = "RichEdit1", .kind = ControlKind::TextEdit, .lines = &lines_}};
}

void MyTextWindow::showLines(std::vector<std::string> lines)
{
    lines_ = std::move(lines);
    // A window already on screen shows the new lines when the command ends.
    show();
}

} // namespace app
