#pragma once
// Disks that refuse writes for the length of a scope.

#include "file_writer.h"

#include <filesystem>
#include <utility>

// Installs a fault hook in the file writer (by default every write fails,
// as a refused permission would) and puts back the hook it replaced.
class ScopedFaultHook {
  public:
    explicit ScopedFaultHook(FileWriter::FaultHook hook =
                                 [](const std::filesystem::path&) { return false; })
        : previous_(FileWriter::setFaultHook(std::move(hook))) {}
    ~ScopedFaultHook() { FileWriter::setFaultHook(std::move(previous_)); }
    ScopedFaultHook(const ScopedFaultHook&) = delete;
    ScopedFaultHook& operator=(const ScopedFaultHook&) = delete;

  private:
    FileWriter::FaultHook previous_;
};
