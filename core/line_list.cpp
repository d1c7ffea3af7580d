#include "line_list.h"

#include "errors.h"
#include "file_bytes.h"

LineList splitLines(std::string_view bytes) {
    if (auto nul = bytes.find('\0'); nul != std::string_view::npos) {
        bytes = bytes.substr(0, nul);
    }
    LineList lines;
    size_t start = 0;
    size_t i = 0;
    while (i < bytes.size()) {
        char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(bytes.substr(start, i - start));
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
        ++i;
    }
    if (start < bytes.size()) {
        lines.emplace_back(bytes.substr(start));
    }
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

LineList readLineFile(const std::filesystem::path& path, const std::string& shownName) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        throw FileOpenError(shownName);
    }
    const auto bytes = readFileBytes(path);
    if (!bytes) {
        throw FileOpenError(shownName);
    }
    return splitLines(*bytes);
}
