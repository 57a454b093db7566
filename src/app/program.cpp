// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include "app/forms.h"

namespace app {

Program::Program(Ports ports, const std::filesystem::path& workingDirectory, std::string mapHost, bool myTools)
    : dispatcher_(ports.dialogs), viewer_(ports, dispatcher_, workingDirectory),
      sheets_(ports, dispatcher_, workingDirectory), codes_(ports, dispatcher_, workingDirectory),
      amendment_(ports, dispatcher_), readMe_(ports, dispatcher_, workingDirectory), licence_(ports, dispatcher_),
      about_(ports, dispatcher_, workingDirectory, licence_), locations_(ports, dispatcher_, workingDirectory),
      myText_(ports, dispatcher_), main_(ports, dispatcher_, workingDirectory, viewer_, sheets_, amendment_, locations_,
                                         myText_, std::move(mapHost), myTools),
      plotData_(ports, dispatcher_, main_.view()),
      radiusPlot_(ports, dispatcher_, workingDirectory, viewer_, main_.view(), plotData_)
{
    // The menu items and buttons that run another window's command.
    main_.setCommand("Codes1", [this] { codes_.open(); });
    main_.setCommand("About1", [this] { about_.open(main_.recordCount()); });
    main_.setCommand("ReadMe1", [this] { readMe_.open(); });
    main_.setCommand("ShowMyText", [this] { myText_.open(); });
    viewer_.setCommand("ShowPlot", [this] { radiusPlot_.plot(); });
    const auto run = [this](std::string_view control) { main_.control(control)->onClick(); };
    locations_.connect([run] { run("Plot1"); },
                       [this, run] {
                           run("Select1stParish");
                           *main_.control("Radius")->text = "10";
                           run("ParishGroup");
                       });

    Window* const built[] = {&main_,     &viewer_,    &sheets_, &codes_,   &amendment_, &radiusPlot_,
                             &plotData_, &locations_, &about_,  &licence_, &readMe_,    &myText_};
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
    // The windows after the main one are made while it starts; the read-me
    // viewer loads its file as it is made. A program ending for want of its
    // data file says nothing more.
    dispatcher_.dispatch([this] {
        main_.start();
        if (!main_.ended())
            readMe_.loadAtStart();
    });
}

} // namespace app
