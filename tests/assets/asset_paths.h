#pragma once
// Where the tests find the built program folder and the committed data.

#include <filesystem>
#include <string>
#include <vector>

inline std::filesystem::path programDir() {
    return POTORAN_DIR;
}

inline std::filesystem::path dataSourceDir() {
    return POTORAN_DATA_SOURCE;
}

// The 21 progress pictures, "01" to "12" and "19" to "27".
inline std::vector<std::string> progressPictureNames() {
    std::vector<std::string> names;
    for (int n = 1; n <= 27; ++n) {
        if (n < 13 || n > 18) {
            names.push_back((n < 10 ? "0" : "") + std::to_string(n));
        }
    }
    return names;
}
