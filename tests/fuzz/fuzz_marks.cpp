// checked.txt sits beside the program and only ever grows: opening a group
// reads it for the check marks, a perfect run appends to it.
#include "catalogue.h"
#include "catalogue_table.h"
#include "fuzz_support.h"
#include "marks_file.h"

#include <algorithm>
#include <numeric>

namespace {

// The reference: the file as a list of lines, every line compared.
bool marked(const std::string& bytes, const std::string& entry) {
    const LineList lines = splitLines(bytes);
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return lineMarks(line, entry); });
}

bool found(const std::vector<std::string>& names, const std::string& entry) {
    return std::find(names.begin(), names.end(), entry) != names.end();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = bytesOf(data, size);
    TempProgramDir& folder = fuzzFolder();
    folder.write(MarksFileName, bytes);

    static const std::vector<MenuRef> entries = catalogueEntries();
    static const std::vector<const MenuItem*> groups = entryGroups();
    const unsigned pick = std::accumulate(bytes.begin(), bytes.end(), 0u, [](unsigned a, char c) {
        return a * 31 + static_cast<unsigned char>(c);
    });

    // Opening a group marks its entries from the file, whatever it holds.
    FuzzDrill d;
    Catalogue catalogue(d.drill);
    const MenuItem& group = *groups[pick % groups.size()];
    d.run([&] { catalogue.openGroup(group); });
    if (!d.dialogs.errors().empty()) {
        fuzzFailure("a readable marks file was refused");
    }
    for (const MenuItem& item : group.children) {
        if (item.kind == MenuKind::Entry &&
            d.drill.form.isChecked(item.name) != marked(bytes, item.name)) {
            fuzzFailure("a check mark differs from the file");
        }
    }

    // Appending keeps every byte already there and marks the entry.
    const std::string& entry = entries[(pick / 7) % entries.size()].item->name;
    appendMark(folder.dir(), entry);
    const std::string after = folder.read(MarksFileName);
    const size_t end = std::min(bytes.find('\0'), bytes.size());
    if (after.compare(0, end, bytes, 0, end) != 0 ||
        after.compare(after.size() - (bytes.size() - end), std::string::npos, bytes, end) != 0) {
        fuzzFailure("appending a mark lost bytes");
    }
    std::vector<std::string> names;
    for (const MenuRef& ref : entries) {
        names.push_back(ref.item->name);
    }
    const std::vector<std::string> now = readMarks(folder.dir(), names);
    if (!found(now, entry)) {
        fuzzFailure("an appended mark is not read back");
    }
    for (const MenuRef& ref : entries) {
        if (marked(bytes, ref.item->name) && !found(now, ref.item->name)) {
            fuzzFailure("appending a mark removed another");
        }
    }
    return 0;
}
