#pragma once
// The bytes of a file, read through C stdio: iostreams would set up the C++
// locale machinery (about half a megabyte of library pages in the process)
// for a few reads of plain bytes.

#include <cstddef>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>

// The whole file, or its first `limit` bytes; nothing when it cannot be
// opened or read (a directory, a missing file, an I/O error).
std::optional<std::string>
readFileBytes(const std::filesystem::path& path,
              std::size_t limit = std::numeric_limits<std::size_t>::max());
