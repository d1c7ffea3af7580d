#pragma once
// One item of the main menu bar, as the window builds it and as the catalogue
// handlers read it.

#include <optional>
#include <string>
#include <vector>

enum class MenuKind {
    Menu,      // a menu whose opening runs nothing (help)
    Group,     // a catalogue submenu: its handler runs when it opens
    Entry,     // a built-in set
    Command,   // runs its handler when chosen (user file, the two help boxes)
    Separator, // a line between items
};

// What choosing (or, for a group, opening) an item does.
enum class MenuCommand {
    None,        // the help menu and separators
    OpenGroup,   // a catalogue submenu opening
    LoadEntry,   // a built-in set
    UserFile,    // the learner's own set file
    ProgramInfo, // the box about the program
    Version,     // the version box
};

struct MenuItem {
    MenuKind kind = MenuKind::Entry;
    MenuCommand command = MenuCommand::None;
    std::string name;
    // UTF-8, '&' before an access key; "-" for a separator.
    std::string caption;
    // The handler the item runs: its name followed by "Click" for groups,
    // entries and the help items; "YomikomiClick" for the user-file item;
    // empty for the help menu and separators.
    std::string handler;

    // Groups: the window caption on opening, the caption start of their
    // entries (none for groups that hold only submenus), whether opening
    // closes the loaded set and whether it reads the completion marks.
    std::string openingCaption;
    std::optional<std::string> entryPrefix;
    bool closesSet = false;
    bool readsMarks = false;
    // Shown with the menu picture beside its caption.
    bool picture = false;

    // Entries: the set file, a backslash path under the program folder, and
    // whether choosing the entry closes the set once more before loading.
    std::string file;
    bool closesFirst = false;

    std::vector<MenuItem> children;
};
