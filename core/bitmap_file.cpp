#include "bitmap_file.h"

#include "errors.h"
#include "file_bytes.h"

#include <cstdint>

BitmapSize readBitmapSize(const std::filesystem::path& path, const std::string& shownName) {
    const auto head = readFileHead(path, 26);
    if (!head || head->size() < 26 || (*head)[0] != 'B' || (*head)[1] != 'M') {
        throw FileOpenError(shownName);
    }
    const auto* h = reinterpret_cast<const unsigned char*>(head->data());
    auto le32 = [&](int at) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(h[at]) |
                                         static_cast<std::uint32_t>(h[at + 1]) << 8 |
                                         static_cast<std::uint32_t>(h[at + 2]) << 16 |
                                         static_cast<std::uint32_t>(h[at + 3]) << 24);
    };
    std::int64_t width = 0;
    std::int64_t height = 0;
    if (le32(14) == 12) { // OS/2 core header: 16-bit sizes
        width = h[18] | h[19] << 8;
        height = h[20] | h[21] << 8;
    } else {
        width = le32(18);
        height = le32(22); // negative for rows stored top-down
        if (height < 0) {
            height = -height;
        }
    }
    // The header is trusted for nothing: a size a picture of the drill could
    // never have would cover the strip and the marks it is drawn over.
    if (width <= 0 || height <= 0 || width > MaxBitmapSide || height > MaxBitmapSide) {
        throw FileOpenError(shownName);
    }
    return {static_cast<int>(width), static_cast<int>(height)};
}
