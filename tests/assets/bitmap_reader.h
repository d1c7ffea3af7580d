#pragma once
// Reads the picture files the program folder holds: uncompressed 24-bit BMP
// in full, PNG only as far as its header.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

using Rgb = std::array<std::uint8_t, 3>; // red, green, blue

struct Bitmap {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::vector<Rgb> pixels; // rows from the top

    const Rgb& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// Parses a BMP; throws std::runtime_error naming what is wrong (not a BMP,
// compressed, not 24 bits, truncated).
Bitmap readBmp24(const std::filesystem::path& path);

struct PngHeader {
    int width = 0;
    int height = 0;
    int bitDepth = 0;
    int colourType = 0; // 2 RGB, 6 RGBA
};

// Throws std::runtime_error when the file is not a PNG.
PngHeader readPngHeader(const std::filesystem::path& path);

std::string readFileBytes(const std::filesystem::path& path);
