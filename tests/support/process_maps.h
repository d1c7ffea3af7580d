#pragma once
// What this process has mapped and how much memory it holds, for tests of
// what gets loaded when and of how much a reader keeps.

#include "file_bytes.h"

#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>

// Whether a library or file whose path contains `part` is mapped.

inline bool mappedInThisProcess(std::string_view part) {
    const auto maps = readFileBytes("/proc/self/maps");
    if (!maps) {
        throw std::runtime_error("cannot read /proc/self/maps");
    }
    return maps->find(part) != std::string::npos;
}

// A field of /proc/self/status in kB ("VmRSS", "VmHWM").
inline long statusKb(const std::string& field) {
    const auto status = readFileBytes("/proc/self/status");
    const size_t at = status ? status->find(field + ":") : std::string::npos;
    if (at == std::string::npos) {
        throw std::runtime_error("no " + field + " in /proc/self/status");
    }
    return std::stol(status->substr(at + field.size() + 1));
}

// Starts measuring the peak resident size afresh; returns the size now.
inline long resetPeakMemoryKb() {
    std::ofstream("/proc/self/clear_refs") << "5";
    return statusKb("VmRSS");
}

inline long peakMemoryKb() {
    return statusKb("VmHWM");
}
