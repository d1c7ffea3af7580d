#include "bitmap_reader.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

std::uint32_t le32(const std::string& b, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) {
        v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    }
    return v;
}

std::uint16_t le16(const std::string& b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      (static_cast<unsigned char>(b[at + 1]) << 8));
}

std::uint32_t be32(const std::string& b, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
        v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    }
    return v;
}

} // namespace

std::string readFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + path.string());
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Bitmap readBmp24(const std::filesystem::path& path) {
    const std::string b = readFileBytes(path);
    const std::string name = path.filename().string();
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') {
        throw std::runtime_error(name + " is not a BMP file");
    }
    if (le32(b, 2) != b.size()) {
        throw std::runtime_error(name + ": header size disagrees with the file size");
    }
    const std::uint32_t offset = le32(b, 10);
    const std::uint32_t infoSize = le32(b, 14);
    if (infoSize < 40) {
        throw std::runtime_error(name + ": old-style header");
    }
    Bitmap bmp;
    bmp.width = static_cast<std::int32_t>(le32(b, 18));
    const auto rawHeight = static_cast<std::int32_t>(le32(b, 22));
    bmp.height = rawHeight < 0 ? -rawHeight : rawHeight;
    bmp.bitsPerPixel = le16(b, 28);
    if (le16(b, 26) != 1 || le32(b, 30) != 0) {
        throw std::runtime_error(name + ": compressed or malformed");
    }
    if (bmp.bitsPerPixel != 24) {
        throw std::runtime_error(name + ": " + std::to_string(bmp.bitsPerPixel) + " bits");
    }
    if (bmp.width <= 0 || bmp.height <= 0) {
        throw std::runtime_error(name + ": empty picture");
    }
    const std::size_t rowBytes = (static_cast<std::size_t>(bmp.width) * 3 + 3) / 4 * 4;
    if (offset + rowBytes * bmp.height > b.size()) {
        throw std::runtime_error(name + ": pixel data cut short");
    }
    bmp.pixels.resize(static_cast<std::size_t>(bmp.width) * bmp.height);
    for (int y = 0; y < bmp.height; ++y) {
        const int fileRow = rawHeight > 0 ? bmp.height - 1 - y : y;
        const std::size_t at = offset + rowBytes * fileRow;
        for (int x = 0; x < bmp.width; ++x) {
            const auto* p = reinterpret_cast<const unsigned char*>(b.data() + at + 3 * x);
            bmp.pixels[static_cast<std::size_t>(y * bmp.width + x)] = {p[2], p[1], p[0]};
        }
    }
    return bmp;
}

PngHeader readPngHeader(const std::filesystem::path& path) {
    const std::string b = readFileBytes(path);
    const std::string signature = "\x89PNG\r\n\x1a\n";
    if (b.size() < 33 || b.compare(0, 8, signature) != 0 || b.compare(12, 4, "IHDR") != 0) {
        throw std::runtime_error(path.filename().string() + " is not a PNG file");
    }
    return {static_cast<int>(be32(b, 16)), static_cast<int>(be32(b, 20)),
            static_cast<unsigned char>(b[24]), static_cast<unsigned char>(b[25])};
}
