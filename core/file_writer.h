#pragma once
// Replaces files atomically: a sibling temporary file is written, flushed and
// renamed over the target, so a crash never leaves half a settings, marks or
// user file behind. A symbolic link is written through to the file it names;
// that file keeps its mode and, where the system allows, its owner and group.

#include "line_list.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class FileWriter {
  public:
    // Test seam: called before anything is written; returning false makes the
    // write fail as a full disk or a refused permission would (tests and CI run
    // as root, for whom permissions never fail).
    using FaultHook = std::function<bool(const std::filesystem::path&)>;

    // Throws FileCreateError naming `shownName`, or FileOpenError when the
    // target is not a regular file (a folder, a device, a FIFO); the old file
    // is then untouched.
    static void writeLines(const std::filesystem::path& path, const LineList& lines,
                           const std::string& shownName);
    static void writeBytes(const std::filesystem::path& path, const std::string& bytes,
                           const std::string& shownName);

    // Returns the hook it replaces, for a test to put back.
    static FaultHook setFaultHook(FaultHook hook);

    // Makes a write past the file-size limit fail as on a full disk instead
    // of killing the program; every write does this first.
    static void ignoreFileSizeSignal();

    // Removes the temporary files (`<name>.tmp-<pid>`) that writers killed
    // half-way left in these folders. A file whose process still runs is
    // kept: it belongs to another instance in the middle of its write.
    static void removeStaleTemporaries(const std::vector<std::filesystem::path>& folders);

  private:
    static FaultHook& hook();
};
