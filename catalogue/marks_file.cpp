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
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        throw FileOpenError(MarksFileName);
    }
    auto bytes = readFileBytes(path);
    if (!bytes) {
        throw FileOpenError(MarksFileName);
    }
    return std::move(*bytes);
}

} // namespace

LineList readMarks(const ProgramDir& dir) {
    const fs::path path = dir.resolve(MarksFileName);
    // No file yet means no marks yet; the first completion creates it. A
    // dangling link or a folder in its place is still reported.
    std::error_code ec;
    if (fs::symlink_status(path, ec).type() == fs::file_type::not_found) {
        return {};
    }
    return readLineFile(path, MarksFileName);
}

bool lineMarks(const std::string& line, const std::string& entry) {
    // Entry names are ASCII; a CP932 trail byte can never fold onto a letter
    // of the name because the lead byte before it already differs.
    return line.size() == entry.size() &&
           std::equal(line.begin(), line.end(), entry.begin(),
                      [](char a, char b) { return lowerAscii(a) == lowerAscii(b); });
}

bool marked(const LineList& lines, const std::string& entry) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return lineMarks(line, entry); });
}

void appendMark(const ProgramDir& dir, const std::string& entry) {
    const fs::path path = dir.resolve(MarksFileName);
    std::error_code ec;
    std::string bytes;
    if (fs::exists(path, ec) || fs::is_symlink(path, ec)) {
        bytes = readBytes(path);
    }
    // Readers stop at a NUL byte, so the name goes in front of one to stay
    // visible; the bytes from the NUL on are kept after it.
    const size_t end = std::min(bytes.find('\0'), bytes.size());
    std::string head = bytes.substr(0, end);
    if (!head.empty() && head.back() != '\n' && head.back() != '\r') {
        head += "\r\n";
    }
    head += entry;
    head += "\r\n";
    FileWriter::writeBytes(path, head + bytes.substr(end), MarksFileName);
}
