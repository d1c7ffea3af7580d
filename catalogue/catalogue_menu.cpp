// The catalogue menus: group openings, entries, the help boxes and the
// completion marks.
#include "catalogue.h"

#include "catalogue_table.h"
#include "cp932.h"
#include "integer_text.h"
#include "marks_file.h"
#include "set_loader.h"

bool Catalogue::menuClick(const std::string& handlerName) {
    const MenuRef ref = findByHandler(handlerName);
    return ref && run(*ref.item, ref.group);
}

bool Catalogue::run(const MenuItem& item, const MenuItem* group) {
    switch (item.command) {
    case MenuCommand::OpenGroup:
        openGroup(item);
        return true;
    case MenuCommand::LoadEntry:
        if (group == nullptr) {
            return false;
        }
        chooseEntry(item, *group);
        return true;
    case MenuCommand::ProgramInfo:
        K60Click();
        return true;
    case MenuCommand::Version:
        About1Click();
        return true;
    case MenuCommand::UserFile:
    case MenuCommand::None:
        return false;
    }
    return false;
}

void Catalogue::openGroup(const MenuItem& group) {
    if (group.closesSet) {
        drill_.changeClick();
    }
    drill_.form.Caption = group.openingCaption;
    if (!group.readsMarks) {
        return;
    }
    std::vector<std::string> entries;
    for (const MenuItem& item : group.children) {
        if (item.kind == MenuKind::Entry) {
            entries.push_back(item.name);
        }
    }
    // Marks are only ever added; an entry not found keeps its mark.
    for (const std::string& name : readMarks(drill_.programDir(), entries)) {
        drill_.form.Checked[name] = true;
    }
}

void Catalogue::chooseEntry(const MenuItem& entry, const MenuItem& group) {
    DrillState& st = drill_.state;
    if (entry.closesFirst) {
        drill_.changeClick();
    }
    // Nothing is replaced unless the whole file could be read and fits.
    st.QuestionList = loadSetFile(drill_.programDir().resolve(entry.file), entry.file);
    st.CurrentBase = 2;
    drill_.form.Caption = group.entryPrefix.value_or("") +
                          cp932::excerpt(lineAt(st.QuestionList, 0)) + "  " + entryFileName(entry);
    drill_.BeginPass();
    st.LoadedBy = entry.name;
}

void Catalogue::helpBox(bool about) {
    drill_.form.Timer3Enabled = false;
    if (about) {
        drill_.dialogs().showAboutBox();
    } else {
        drill_.dialogs().showVersionBox();
    }
    drill_.kotakesuClick();
}

void Catalogue::K60Click() {
    helpBox(true);
}

void Catalogue::About1Click() {
    helpBox(false);
}

void Catalogue::setCompleted(const std::string& entry) {
    drill_.form.Checked[entry] = true;
    Button9Click();
}

void Catalogue::Button9Click() {
    // Written from its own list: the question list stays as the completion
    // step left it (empty) whatever happens to the file.
    if (drill_.state.LoadedBy) {
        appendMark(drill_.programDir(), *drill_.state.LoadedBy);
    }
}
