#pragma once
// The completion marks file checked.txt: one catalogue entry name per line,
// in the order the sets were completed. It only ever grows.

#include "line_list.h"
#include "program_dir.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* MarksFileName = "checked.txt";

// Far above the 204 names a learner can complete many times over; a larger
// file is damage and is refused.
constexpr std::size_t MaxMarksFileBytes = 16u << 20;

// Reads the file afresh and returns those of `entries` that some line marks,
// in their order; a file that does not exist reads as empty. FileOpenError
// when it cannot be read (a folder, a device, a dangling link) or holds more
// than MaxMarksFileBytes.
std::vector<std::string> readMarks(const ProgramDir& dir, const std::vector<std::string>& entries);

// A line marks an entry when the whole line equals the name with letter case
// ignored; nothing is trimmed, so "K12 " marks nothing.
bool lineMarks(std::string_view line, std::string_view entry);

// Adds the entry's name as a new last line and replaces the file atomically.
// Every byte already in the file is kept; a file without a final line end
// gets one before the name. A missing file is created, so a completion is
// never lost. FileOpenError when the file exists but cannot be read,
// FileCreateError when it cannot be written.
void appendMark(const ProgramDir& dir, const std::string& entry);
