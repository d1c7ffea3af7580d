#pragma once
// The whole menu bar of the main window: the seven set menus with their 204
// built-in sets, the user-file item and the help menu. This table is the only
// place that lists catalogue entries.

#include "menu_item.h"

#include <string>
#include <vector>

// Top-level items in menu order, each with its children.
const std::vector<MenuItem>& menuBar();

// An item found by its handler name, with the group that holds it (entries
// only; null otherwise).
struct MenuRef {
    const MenuItem* item = nullptr;
    const MenuItem* group = nullptr;
    explicit operator bool() const { return item != nullptr; }
};

MenuRef findByHandler(const std::string& handler);
MenuRef findByName(const std::string& name);

// Every catalogue entry, and every group that holds entries, in menu order.
std::vector<MenuRef> catalogueEntries();
std::vector<const MenuItem*> entryGroups();

// The file name of an entry without its directory: "jhgram\tango02.txt"
// gives "tango02.txt".
std::string entryFileName(const MenuItem& entry);
