#include "catalogue_table.h"

#include <map>

namespace {

// One row of catalogue.tsv, as the build writes it into catalogue_rows.inc.
struct Row {
    const char* kind;
    const char* parent;
    const char* name;
    const char* caption;
    const char* target; // entries: the set file; commands: the handler
    const char* opening;
    const char* prefix; // "-": none
    const char* flags;
};

constexpr Row Rows[] = {
#include "catalogue_rows.inc"
};

bool hasFlag(const std::string& flags, const std::string& flag) {
    return ("," + flags + ",").find("," + flag + ",") != std::string::npos;
}

MenuCommand commandOf(const std::string& flags) {
    static const std::map<std::string, MenuCommand> commands = {
        {"user-file", MenuCommand::UserFile},
        {"program-info", MenuCommand::ProgramInfo},
        {"version", MenuCommand::Version}};
    auto it = commands.find(flags);
    return it == commands.end() ? MenuCommand::None : it->second;
}

MenuItem itemOf(const Row& row) {
    const std::string kind = row.kind;
    const std::string flags = row.flags;
    MenuItem m;
    m.name = row.name;
    m.caption = row.caption;
    if (kind == "group") {
        m.kind = MenuKind::Group;
        m.command = MenuCommand::OpenGroup;
        m.handler = m.name + "Click";
        m.openingCaption = row.opening;
        if (std::string(row.prefix) != "-") {
            m.entryPrefix = row.prefix;
        }
        m.closesSet = hasFlag(flags, "closes");
        m.readsMarks = hasFlag(flags, "marks");
        m.picture = hasFlag(flags, "picture");
    } else if (kind == "entry") {
        m.kind = MenuKind::Entry;
        m.command = MenuCommand::LoadEntry;
        m.handler = m.name + "Click";
        m.file = row.target;
        m.closesFirst = hasFlag(flags, "closes-first");
    } else if (kind == "command") {
        m.kind = MenuKind::Command;
        m.handler = row.target;
        m.command = commandOf(flags);
    } else if (kind == "menu") {
        m.kind = MenuKind::Menu;
    } else {
        m.kind = MenuKind::Separator;
        m.caption = "-";
    }
    return m;
}

// The rows come in menu order, each after its parent.
void addChildren(std::vector<MenuItem>& items, const std::string& parent) {
    for (const Row& row : Rows) {
        if (parent == row.parent) {
            items.push_back(itemOf(row));
            addChildren(items.back().children, items.back().name);
        }
    }
}

std::vector<MenuItem> buildMenuBar() {
    std::vector<MenuItem> bar;
    addChildren(bar, "");
    return bar;
}

struct Index {
    std::map<std::string, MenuRef> byHandler;
    std::map<std::string, MenuRef> byName;
    std::vector<MenuRef> entries;
    std::vector<const MenuItem*> entryGroups;
};

void indexItems(Index& index, const std::vector<MenuItem>& items, const MenuItem* parent) {
    for (const MenuItem& item : items) {
        MenuRef ref{&item, item.kind == MenuKind::Entry ? parent : nullptr};
        if (!item.handler.empty()) {
            index.byHandler.emplace(item.handler, ref);
        }
        index.byName.emplace(item.name, ref);
        if (item.kind == MenuKind::Entry) {
            index.entries.push_back(ref);
        }
        if (item.kind == MenuKind::Group && item.children.front().kind == MenuKind::Entry) {
            index.entryGroups.push_back(&item);
        }
        indexItems(index, item.children, &item);
    }
}

const Index& index() {
    static const Index built = [] {
        Index i;
        indexItems(i, menuBar(), nullptr);
        return i;
    }();
    return built;
}

MenuRef lookup(const std::map<std::string, MenuRef>& map, const std::string& key) {
    auto it = map.find(key);
    return it == map.end() ? MenuRef{} : it->second;
}

} // namespace

const std::vector<MenuItem>& menuBar() {
    static const std::vector<MenuItem> bar = buildMenuBar();
    return bar;
}

MenuRef findByHandler(const std::string& handler) {
    return lookup(index().byHandler, handler);
}

MenuRef findByName(const std::string& name) {
    return lookup(index().byName, name);
}

std::vector<MenuRef> catalogueEntries() {
    return index().entries;
}

std::vector<const MenuItem*> entryGroups() {
    return index().entryGroups;
}

std::string entryFileName(const MenuItem& entry) {
    auto slash = entry.file.find_last_of('\\');
    return slash == std::string::npos ? entry.file : entry.file.substr(slash + 1);
}
