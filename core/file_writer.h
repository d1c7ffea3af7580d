#pragma once
// Replaces files atomically: a sibling temporary file is written, flushed and
// renamed over the target, so a crash never leaves half a settings, marks or
// user file behind.

#include "line_list.h"

#include <filesystem>
#include <functional>
#include <string>

class FileWriter {
  public:
    // Test seam: called before anything is written; returning false makes the
    // write fail as a full disk or a refused permission would (tests and CI run
    // as root, for whom permissions never fail).
    using FaultHook = std::function<bool(const std::filesystem::path&)>;

    // Throws FileCreateError naming `shownName`; the old file is then untouched.
    static void writeLines(const std::filesystem::path& path, const LineList& lines,
                           const std::string& shownName);
    static void writeBytes(const std::filesystem::path& path, const std::string& bytes,
                           const std::string& shownName);

    static void setFaultHook(FaultHook hook);

  private:
    static FaultHook& hook();
};
