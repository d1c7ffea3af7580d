#pragma once
// The one loader every set file goes through, built-in or the learner's own.

#include "line_list.h"

#include <cstddef>
#include <filesystem>
#include <string>

// 32 questions of 255-byte lines fit in about 33 KB; a larger file is damage,
// and read whole it would stall the drill that lays it out.
constexpr std::size_t MaxSetFileBytes = 1 << 20;

// Reads the file whole. Throws FileOpenError when it cannot be read or holds
// more than MaxSetFileBytes, and
// SetTooLargeError for more than 32 questions; nothing is returned then, so
// nothing reaches the drill.
LineList loadSetFile(const std::filesystem::path& path, const std::string& shownName);
