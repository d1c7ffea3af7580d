#pragma once
// A text file held as its list of lines, bytes untouched.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

using LineList = std::vector<std::string>;

// CR LF, a lone CR and a lone LF each end a line; a last line without an end
// still counts; a line end at the very end adds no empty line; NUL ends the text.
LineList splitLines(std::string_view bytes);

// The same lines, each handed to `visit` as a view into `bytes`, so a reader
// that only looks at them keeps none.
template <class Visit> void forEachLine(std::string_view bytes, Visit&& visit) {
    if (auto nul = bytes.find('\0'); nul != std::string_view::npos) {
        bytes = bytes.substr(0, nul);
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            visit(bytes.substr(start, i - start));
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < bytes.size()) {
        visit(bytes.substr(start));
    }
}

// Every line, the last included, followed by CR LF.
std::string joinLines(const LineList& lines);

// Reads a whole file; throws FileOpenError naming `shownName`, also when the
// file holds more than `maxSize` bytes or is not a regular file.
LineList readLineFile(const std::filesystem::path& path, const std::string& shownName,
                      std::size_t maxSize);
