// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include "app/forms.h"

namespace app {

Program::Program(Ports ports, const std::filesystem::path& workingDirectory, std::string mapHost)
    : dispatcher_(ports.dialogs), viewer_(ports, dispatcher_, workingDirectory),
      sheets_(ports, dispatcher_, workingDirectory), codes_(ports, dispatcher_, workingDirectory),
      amendment_(ports, dispatcher_),
      main_(ports, dispatcher_, workingDirectory, viewer_, sheets_, amendment_, std::move(mapHost))
{
    // The main window's menu items that only open another window.
    main_.setCommand("Codes1", [this] { codes_.open(); });

    Window* const built[] = {&main_, &viewer_, &sheets_, &codes_, &amendment_};
    for (const FormInfo& form : kForms)
        for (Window* w : built)
            if (w->name() == form.name)
                windows_.push_back(w);
}

Window* Program::window(std::string_view formName) const
{
    for (Window* w : windows_)
        if (w->name() == formName)
            return w;
    return nullptr;
}

void Program::start()
{
    dispatcher_.dispatch([this] { main_.start(); });
}

} // namespace app
