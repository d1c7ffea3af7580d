#pragma once
// The one loader every set file goes through, built-in or the learner's own.

#include "line_list.h"

#include <filesystem>
#include <string>

// Reads the file whole. Throws FileOpenError when it cannot be read and
// SetTooLargeError for more than 32 questions; nothing is returned then, so
// nothing reaches the drill.
LineList loadSetFile(const std::filesystem::path& path, const std::string& shownName);
