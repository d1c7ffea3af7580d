#pragma once
// Builds the menu bar from the catalogue's table. Every item keeps its
// MenuItem: choosing an item (or opening a group) calls back with it, and the
// window runs what the item's command says.

#include "menu_item.h"

#include <QHash>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;

struct MenuCallbacks {
    // An entry or command chosen; `group` is an entry's submenu.
    std::function<void(const MenuItem& item, const MenuItem* group, QAction* action)> chosen;
    // A catalogue group about to open.
    std::function<void(const MenuItem& group)> opening;
};

struct MenuWidgets {
    QHash<QString, QAction*> actions; // by item name, submenus by their action
    QHash<QString, QMenu*> menus;
};

// `picture` is the path of the picture shown beside marked menus.
MenuWidgets buildMenuBar(QMenuBar* bar, const QString& picture, const MenuCallbacks& callbacks);

// The menu font shrinks with the window on a narrow screen.
void scaleMenuBar(QMenuBar* bar, double ratio);
