#include "line_list.h"

#include "errors.h"
#include "file_bytes.h"

LineList splitLines(std::string_view bytes) {
    LineList lines;
    forEachLine(bytes, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

std::string joinLines(const LineList& lines) {
    std::string out;
    size_t total = 0;
    for (const auto& l : lines) {
        total += l.size() + 2;
    }
    out.reserve(total);
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

LineList readLineFile(const std::filesystem::path& path, const std::string& shownName,
                      std::size_t maxSize) {
    const auto bytes = readFileBytes(path, maxSize);
    if (!bytes) {
        throw FileOpenError(shownName);
    }
    return splitLines(*bytes);
}
