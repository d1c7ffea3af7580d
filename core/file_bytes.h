#pragma once
// The bytes of a file, read through plain POSIX calls: iostreams would set up
// the C++ locale machinery (about half a megabyte of library pages in the
// process) for a few reads of plain bytes.
//
// Outside files are read as regular files only. They are opened without
// blocking and checked with fstat, so a FIFO never stops the window until
// data arrives and a link to /dev/zero never fills the memory.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>

constexpr std::size_t NoSizeLimit = std::numeric_limits<std::size_t>::max();

// The whole file; nothing when it cannot be opened or read (a folder, a
// device, a FIFO, a missing file, an I/O error) or holds more than `maxSize`
// bytes.
std::optional<std::string> readFileBytes(const std::filesystem::path& path,
                                         std::size_t maxSize = NoSizeLimit);

// The first `count` bytes (fewer when the file is shorter), under the same
// rules; `fileSize`, when given, gets the size of the whole file.
std::optional<std::string> readFileHead(const std::filesystem::path& path, std::size_t count,
                                        std::uintmax_t* fileSize = nullptr);
