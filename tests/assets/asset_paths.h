#pragma once
// Where the tests find the built program folder and the committed data.

#include "potoran_assets.h"

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

inline std::filesystem::path programDir() {
    return POTORAN_DIR;
}

inline std::filesystem::path dataSourceDir() {
    return POTORAN_DATA_SOURCE;
}

// name@2x.ext, the picture drawn at twice the size.
inline std::string sharpName(const std::string& name) {
    const auto dot = name.rfind('.');
    return name.substr(0, dot) + "@2x" + name.substr(dot);
}

// Every picture and sound the build draws into the program folder
// (cmake/assets.cmake).
inline std::vector<std::string> assetFiles() {
    std::vector<std::string> files;
    for (const std::string name : assets::SharpPictures) {
        files.push_back(name);
        files.push_back(sharpName(name));
    }
    files.insert(files.end(), std::begin(assets::PlainPictures), std::end(assets::PlainPictures));
    files.insert(files.end(), std::begin(assets::DesktopIcons), std::end(assets::DesktopIcons));
    files.insert(files.end(), std::begin(assets::Sounds), std::end(assets::Sounds));
    return files;
}

// The pictures of the picture box: the progress pictures, Timeout and
// afterreturn, all under image/.
inline std::vector<std::string> pictureBoxPictures() {
    std::vector<std::string> names;
    for (const std::string name : assets::SharpPictures) {
        if (name.rfind("image/", 0) == 0) {
            names.push_back(name);
        }
    }
    return names;
}
