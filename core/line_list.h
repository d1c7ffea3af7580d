#pragma once
// A text file held as its list of lines, bytes untouched.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

using LineList = std::vector<std::string>;

// CR LF, a lone CR and a lone LF each end a line; a last line without an end
// still counts; a line end at the very end adds no empty line; NUL ends the text.
LineList splitLines(std::string_view bytes);

// Every line, the last included, followed by CR LF.
std::string joinLines(const LineList& lines);

// Reads a whole file; throws FileOpenError naming `shownName`.
LineList readLineFile(const std::filesystem::path& path, const std::string& shownName);
