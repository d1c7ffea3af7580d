#include "bmp_writer.h"

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string>

namespace {

void put16(std::string& b, std::size_t at, std::uint16_t v) {
    b[at] = static_cast<char>(v & 0xFF);
    b[at + 1] = static_cast<char>(v >> 8);
}

void put32(std::string& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    }
}

} // namespace

void writeBmp24(const QImage& image, const std::filesystem::path& path) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const int width = rgb.width();
    const int height = rgb.height();
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(height);
    const std::uint32_t headerBytes = 14 + 40;
    const std::uint32_t dotsPerMetre = 3780; // 96 dpi

    std::string bytes(headerBytes + pixelBytes, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(bytes, 2, headerBytes + pixelBytes);
    put32(bytes, 10, headerBytes);
    put32(bytes, 14, 40);
    put32(bytes, 18, static_cast<std::uint32_t>(width));
    put32(bytes, 22, static_cast<std::uint32_t>(height)); // positive: bottom row first
    put16(bytes, 26, 1);
    put16(bytes, 28, 24);
    put32(bytes, 30, 0); // no compression
    put32(bytes, 34, pixelBytes);
    put32(bytes, 38, dotsPerMetre);
    put32(bytes, 42, dotsPerMetre);

    for (int y = 0; y < height; ++y) {
        const uchar* src = rgb.constScanLine(height - 1 - y);
        std::size_t at = headerBytes + static_cast<std::size_t>(y) * rowBytes;
        for (int x = 0; x < width; ++x) {
            bytes[at++] = static_cast<char>(src[3 * x + 2]); // blue
            bytes[at++] = static_cast<char>(src[3 * x + 1]); // green
            bytes[at++] = static_cast<char>(src[3 * x]);     // red
        }
    }

    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

void writePng(const QImage& image, const std::filesystem::path& path) {
    if (!image.save(QString::fromStdString(path.string()), "PNG")) {
        throw std::runtime_error("cannot write " + path.string());
    }
}
