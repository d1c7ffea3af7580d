#pragma once
// Whether a library or file whose path contains `part` is mapped into this
// process, for tests of what gets loaded when.

#include "file_bytes.h"

#include <stdexcept>
#include <string_view>

inline bool mappedInThisProcess(std::string_view part) {
    const auto maps = readFileBytes("/proc/self/maps");
    if (!maps) {
        throw std::runtime_error("cannot read /proc/self/maps");
    }
    return maps->find(part) != std::string::npos;
}
