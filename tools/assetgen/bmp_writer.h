#pragma once
// The drill opens its pictures by name as plain 24-bit BMP files; Qt's own
// BMP writer may choose another depth, so the file is written here.

#include <QImage>

#include <filesystem>

// Writes `image` as an uncompressed, bottom-up, 24-bit BMP. Transparent
// pixels are laid on black, so callers pass opaque pictures. Throws
// std::runtime_error when the file cannot be written.
void writeBmp24(const QImage& image, const std::filesystem::path& path);

// Writes `image` as PNG (alpha kept). Throws std::runtime_error on failure.
void writePng(const QImage& image, const std::filesystem::path& path);
