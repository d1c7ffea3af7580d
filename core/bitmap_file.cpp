#include "bitmap_file.h"

#include "errors.h"
#include "file_bytes.h"

#include <cstdint>

BitmapSize readBitmapSize(const std::filesystem::path& path, const std::string& shownName) {
    std::uintmax_t fileSize = 0;
    const auto head = readFileHead(path, 34, &fileSize);
    if (!head || head->size() < 26 || (*head)[0] != 'B' || (*head)[1] != 'M') {
        throw FileOpenError(shownName);
    }
    const auto* h = reinterpret_cast<const unsigned char*>(head->data());
    auto le16 = [&](std::size_t at) { return at + 2 <= head->size() ? h[at] | h[at + 1] << 8 : 0; };
    auto le32 = [&](std::size_t at) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(le16(at)) |
                                         static_cast<std::uint32_t>(le16(at + 2)) << 16);
    };
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::int64_t bits = 0;
    std::int64_t compression = 0;
    const bool core = le32(14) == 12; // OS/2 core header: 16-bit sizes
    if (!core && head->size() < 34) {
        throw FileOpenError(shownName); // the header ends before its fields
    }
    if (core) {
        width = le16(18);
        height = le16(20);
        bits = le16(24);
    } else {
        width = le32(18);
        height = le32(22); // negative for rows stored top-down
        if (height < 0) {
            height = -height;
        }
        bits = le16(28);
        compression = le32(30);
    }
    // The header is trusted for nothing: a size a picture of the drill could
    // never have would cover the strip and the marks it is drawn over.
    if (width <= 0 || height <= 0 || width > MaxBitmapSide || height > MaxBitmapSide) {
        throw FileOpenError(shownName);
    }
    // Uncompressed rows must be in the file, or a short file claiming a large
    // picture would still blank what lies under it. Sizes fit in 64 bits:
    // 4096 x 4096 pixels of at most 32 bits.
    const bool runLengths = compression == 1 || compression == 2; // RLE8, RLE4
    const bool plain = compression == 0 || compression == 3;      // RGB, bit fields
    const bool bitsKnown =
        bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    if (!bitsKnown || !(plain || runLengths)) {
        throw FileOpenError(shownName);
    }
    if (plain) {
        const std::int64_t rowBytes = (width * bits + 31) / 32 * 4;
        const auto offset = static_cast<std::uint32_t>(le32(10));
        if (offset + static_cast<std::uintmax_t>(rowBytes * height) > fileSize) {
            throw FileOpenError(shownName);
        }
    }
    return {static_cast<int>(width), static_cast<int>(height)};
}
