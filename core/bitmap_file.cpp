#include "bitmap_file.h"

#include "errors.h"
#include "file_bytes.h"

#include <cstdint>
#include <cstdlib>

BitmapSize readBitmapSize(const std::filesystem::path& path, const std::string& shownName) {
    const auto head = readFileBytes(path, 26);
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
    std::int32_t headerSize = le32(14);
    if (headerSize == 12) { // OS/2 core header: 16-bit sizes
        return {h[18] | h[19] << 8, h[20] | h[21] << 8};
    }
    return {le32(18), std::abs(le32(22))};
}
