#pragma once
// The drill draws bitmap files by name; opening one at the step that draws it
// makes a missing file fail at that step.

#include <filesystem>
#include <string>

struct BitmapSize {
    int width = 0;
    int height = 0;
};

// Reads the size from the BMP header; throws FileOpenError when the file is
// missing or is not a bitmap.
BitmapSize readBitmapSize(const std::filesystem::path& path, const std::string& shownName);
