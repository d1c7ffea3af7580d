#include "bitmap_file.h"

#include "errors.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>

BitmapSize readBitmapSize(const std::filesystem::path& path, const std::string& shownName) {
    std::ifstream in(path, std::ios::binary);
    unsigned char h[26] = {};
    if (!in || !in.read(reinterpret_cast<char*>(h), sizeof h) || h[0] != 'B' || h[1] != 'M') {
        throw FileOpenError(shownName);
    }
    auto le32 = [&](int at) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(h[at]) |
                                         static_cast<std::uint32_t>(h[at + 1]) << 8 |
                                         static_cast<std::uint32_t>(h[at + 2]) << 16 |
                                         static_cast<std::uint32_t>(h[at + 3]) << 24);
    };
    std::int32_t headerSize = le32(14);
    if (headerSize == 12) { // OS/2 core header: 16-bit sizes
        return {h[18] | h[19] << 8, h[20] | h[21] << 8};
    }
    return {le32(18), std::abs(le32(22))};
}
