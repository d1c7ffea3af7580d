#pragma once
// Disks that refuse writes for the length of a scope.

#include "file_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <sys/resource.h>

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

// Two ways to refuse, because tests run as root, for whom permissions never
// fail: the writer's fault hook (a refused permission), and a file size
// limit of 0 (the real write fails midway, as on a full disk; root is bound
// by it too).
enum class Fault { Refused, DiskFull };

class FaultyDisk {
  public:
    explicit FaultyDisk(Fault fault) {
        if (fault == Fault::Refused) {
            hook_.emplace();
            return;
        }
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        // SIGXFSZ is left as it is: the writer must keep it from killing
        // the program, as `ulimit -f` in the learner's shell would.
        const rlimit none{0, saved_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &none);
        limited_ = true;
    }
    ~FaultyDisk() {
        if (limited_) {
            ::setrlimit(RLIMIT_FSIZE, &saved_);
        }
    }
    FaultyDisk(const FaultyDisk&) = delete;
    FaultyDisk& operator=(const FaultyDisk&) = delete;

  private:
    std::optional<ScopedFaultHook> hook_;
    rlimit saved_{};
    bool limited_ = false;
};

// Names the cases of a test run on both disks.
inline std::string faultName(const ::testing::TestParamInfo<Fault>& info) {
    return info.param == Fault::Refused ? "Refused" : "Full";
}

// The temporary files (`<name>.tmp-<pid>`) a failed write left under `root`.
inline std::vector<std::string> leftovers(const std::filesystem::path& root) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::recursive_directory_iterator(root)) {
        if (e.path().filename().string().find(".tmp-") != std::string::npos) {
            names.push_back(e.path().filename().string());
        }
    }
    return names;
}
