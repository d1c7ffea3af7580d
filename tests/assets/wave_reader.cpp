#include "wave_reader.h"

#include "bitmap_reader.h"

#include <stdexcept>
#include <string>

namespace {

std::uint32_t le32(const std::string& b, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) {
        v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    }
    return v;
}

int le16(const std::string& b, std::size_t at) {
    return static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8);
}

} // namespace

Wave readWave(const std::filesystem::path& path) {
    const std::string b = readFileBytes(path);
    const std::string name = path.filename().string();
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) {
        throw std::runtime_error(name + " is not a WAVE file");
    }
    if (le32(b, 4) + 8 != b.size()) {
        throw std::runtime_error(name + ": RIFF size disagrees with the file size");
    }
    Wave wave;
    bool haveFormat = false;
    bool haveData = false;
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::string id = b.substr(at, 4);
        const std::uint32_t size = le32(b, at + 4);
        const std::size_t body = at + 8;
        if (body + size > b.size()) {
            throw std::runtime_error(name + ": chunk " + id + " cut short");
        }
        if (id == "fmt " && size >= 16) {
            wave.format = le16(b, body);
            wave.channels = le16(b, body + 2);
            wave.sampleRate = static_cast<int>(le32(b, body + 4));
            wave.bitsPerSample = le16(b, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) {
                throw std::runtime_error(name + ": data before format");
            }
            if (wave.bitsPerSample == 16) {
                for (std::size_t i = 0; i + 1 < size; i += 2) {
                    wave.samples.push_back(static_cast<std::int16_t>(le16(b, body + i)));
                }
            }
            haveData = true;
        }
        at = body + size + (size % 2); // chunks are padded to even sizes
    }
    if (!haveFormat || !haveData) {
        throw std::runtime_error(name + ": no format or no data chunk");
    }
    return wave;
}
