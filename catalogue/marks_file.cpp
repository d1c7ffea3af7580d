#include "marks_file.h"

#include "errors.h"
#include "file_bytes.h"
#include "file_writer.h"

#include <algorithm>
#include <utility>

namespace fs = std::filesystem;

namespace {

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string readBytes(const fs::path& path) {
    auto bytes = readFileBytes(path, MaxMarksFileBytes);
    if (!bytes) {
        throw FileOpenError(MarksFileName);
    }
    return std::move(*bytes);
}

} // namespace

std::vector<std::string> readMarks(const ProgramDir& dir, const std::vector<std::string>& entries) {
    const fs::path path = dir.resolve(MarksFileName);
    // No file yet means no marks yet; the first completion creates it. A
    // dangling link or a folder in its place is still reported.
    std::error_code ec;
    if (fs::symlink_status(path, ec).type() == fs::file_type::not_found) {
        return {};
    }
    // The lines are looked at in place: kept as a list, a file of empty
    // lines took some 70 bytes per byte of file.
    const std::string bytes = readBytes(path);
    std::size_t longest = 0;
    for (const auto& entry : entries) {
        longest = std::max(longest, entry.size());
    }
    std::vector<bool> found(entries.size());
    forEachLine(bytes, [&](std::string_view line) {
        if (line.size() > longest) {
            return;
        }
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (!found[i] && lineMarks(line, entries[i])) {
                found[i] = true;
            }
        }
    });
    std::vector<std::string> marked;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (found[i]) {
            marked.push_back(entries[i]);
        }
    }
    return marked;
}

bool lineMarks(std::string_view line, std::string_view entry) {
    // Entry names are ASCII; a CP932 trail byte can never fold onto a letter
    // of the name because the lead byte before it already differs.
    return line.size() == entry.size() &&
           std::equal(line.begin(), line.end(), entry.begin(),
                      [](char a, char b) { return lowerAscii(a) == lowerAscii(b); });
}

void appendMark(const ProgramDir& dir, const std::string& entry) {
    const fs::path path = dir.resolve(MarksFileName);
    std::error_code ec;
    std::string bytes;
    if (fs::exists(path, ec) || fs::is_symlink(path, ec)) {
        bytes = readBytes(path);
    }
    // Readers stop at a NUL byte, so the name goes in front of one to stay
    // visible; the bytes from the NUL on are kept after it. Inserted in
    // place, so the file is held about once, not three times.
    const size_t end = std::min(bytes.find('\0'), bytes.size());
    std::string line;
    if (end > 0 && bytes[end - 1] != '\n' && bytes[end - 1] != '\r') {
        line += "\r\n";
    }
    line += entry;
    line += "\r\n";
    bytes.insert(end, line);
    FileWriter::writeBytes(path, bytes, MarksFileName);
}
