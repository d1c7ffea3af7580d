#pragma once
// The drill draws bitmap files by name; opening one at the step that draws it
// makes a missing file fail at that step.

#include <filesystem>
#include <string>

struct BitmapSize {
    int width = 0;
    int height = 0;
};

constexpr int MaxBitmapSide = 4096;

// Reads the size from the BMP header; throws FileOpenError when the file is
// missing, is not a regular file or not a bitmap, claims a side that is not
// within 1..MaxBitmapSide, or is too short for the uncompressed rows it claims.
BitmapSize readBitmapSize(const std::filesystem::path& path, const std::string& shownName);
