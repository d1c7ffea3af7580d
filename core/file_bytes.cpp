#include "file_bytes.h"

#include <algorithm>
#include <cstdio>
#include <memory>

std::optional<std::string> readFileBytes(const std::filesystem::path& path, std::size_t limit) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) {
        return std::nullopt;
    }
    std::string bytes;
    char buffer[16384];
    while (bytes.size() < limit) {
        const std::size_t want = std::min(sizeof buffer, limit - bytes.size());
        const std::size_t got = std::fread(buffer, 1, want, file.get());
        bytes.append(buffer, got);
        if (got < want) {
            break;
        }
    }
    // A directory opens but cannot be read; so does a file on a failing disk.
    if (std::ferror(file.get())) {
        return std::nullopt;
    }
    return bytes;
}
