#include "main_menu_bar.h"

#include "app/main_menu.h"
#include "app/parishfm.h"
#include "ui/qt_text.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>
#include <map>

namespace ui {
namespace {

bool hasItems(std::string_view menu)
{
    return std::any_of(app::kMainMenu.begin(), app::kMainMenu.end(),
                       [menu](const app::MenuEntry& e) { return e.parent == menu; });
}

void describe(QAction& action, const app::MenuEntry& entry)
{
    action.setObjectName(toQt(entry.name));
    if (!entry.hint.empty()) {
        action.setToolTip(toQt(entry.hint));
        action.setStatusTip(toQt(entry.hint));
    }
}

void connectCommand(QAction& action, std::string_view name, const std::function<void(std::string_view)>& onCommand)
{
    action.setEnabled(app::findHandler(name).has_value());
    QObject::connect(&action, &QAction::triggered, &action, [onCommand, name] { onCommand(name); });
}

} // namespace

void buildMainMenu(QMenuBar& bar, const std::function<void(std::string_view)>& onCommand)
{
    std::map<std::string_view, QMenu*> menus;
    for (const app::MenuEntry& entry : app::kMainMenu) {
        if (entry.parent.empty() && hasItems(entry.name)) {
            QMenu* menu = bar.addMenu(toQt(entry.caption));
            menu->setObjectName(toQt(entry.name));
            menu->setToolTipsVisible(true);
            if (!entry.hint.empty())
                menu->menuAction()->setToolTip(toQt(entry.hint));
            if (!entry.visible) {
                menu->menuAction()->setVisible(false);
                menu->menuAction()->setEnabled(false);
            }
            menus[entry.name] = menu;
            continue;
        }
        QAction* action = nullptr;
        if (entry.parent.empty()) {
            action = bar.addAction(toQt(entry.caption));
        } else if (entry.caption == "-") {
            action = menus.at(entry.parent)->addSeparator();
        } else {
            action = menus.at(entry.parent)->addAction(toQt(entry.caption));
        }
        describe(*action, entry);
        if (entry.caption != "-")
            connectCommand(*action, entry.name, onCommand);
        if (!entry.visible)
            action->setVisible(false);
    }
}

} // namespace ui
