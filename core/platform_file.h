#pragma once
// What replacing a file whole needs from the operating system. The writer's
// logic (links, names, temporary files, the test seam) lives in
// file_writer.cpp; this is the part a port to another system rewrites
// (platform_file_posix.cpp here).

#include <filesystem>
#include <string>

namespace platform {

struct Target {
    enum class Kind { Missing, Regular, NotRegular, NotWritable };
    Kind kind = Kind::Missing;
    unsigned mode = 0644; // permission bits an existing file keeps
    long owner = -1;
    long group = -1;
};

// What the target is now. A device or a FIFO is never opened for writing,
// and the probe never blocks.
Target probe(const std::filesystem::path& target);

// Writes `bytes` into `temp` (created anew, readable by its owner only),
// gives it the target's mode and, where allowed, its owner and group,
// flushes it to the disk and renames it over `target`. On any failure the
// temporary file is removed and false returned; the target is untouched.
bool replace(const std::filesystem::path& temp, const std::filesystem::path& target,
             const std::string& bytes, const Target& was);

long currentProcess();
// True only when no process `pid` runs any more.
bool processGone(long pid);

// Past a file-size limit a write fails as on a full disk instead of ending
// the program.
void ignoreFileSizeSignal();

} // namespace platform
