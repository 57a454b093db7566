// The start-up baseline: a bare Qt Widgets program showing one empty window,
// with the program's --quit-when-shown switch. scripts/bench_startup.sh sets
// the program's start beside this one's.
#include "ui/quit_when_shown.h"

#include <QApplication>
#include <QWidget>

#include <string_view>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(640, 480);
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == ui::kQuitWhenShownOption)
            ui::quitWhenShown(window);
    window.show();
    return QApplication::exec();
}
