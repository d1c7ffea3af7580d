#pragma once
// The completion marks file checked.txt: one catalogue entry name per line,
// in the order the sets were completed. It only ever grows.

#include "line_list.h"
#include "program_dir.h"

#include <string>

inline constexpr const char* MarksFileName = "checked.txt";

// Reads the file afresh; a file that does not exist reads as empty.
// FileOpenError when it cannot be read (a folder, a dangling link).
LineList readMarks(const ProgramDir& dir);

// A line marks an entry when the whole line equals the name with letter case
// ignored; nothing is trimmed, so "K12 " marks nothing.
bool lineMarks(const std::string& line, const std::string& entry);
bool marked(const LineList& lines, const std::string& entry);

// Adds the entry's name as a new last line and replaces the file atomically.
// Every byte already in the file is kept; a file without a final line end
// gets one before the name. A missing file is created, so a completion is
// never lost. FileOpenError when the file exists but cannot be read,
// FileCreateError when it cannot be written.
void appendMark(const ProgramDir& dir, const std::string& entry);
