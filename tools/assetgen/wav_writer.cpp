#include "wav_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string>

namespace {

void append16(std::string& b, std::uint16_t v) {
    b.push_back(static_cast<char>(v & 0xFF));
    b.push_back(static_cast<char>(v >> 8));
}

void append32(std::string& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
}

} // namespace

void writeWav16(const std::vector<double>& samples, int sampleRate,
                const std::filesystem::path& path) {
    const std::uint16_t channels = 1;
    const std::uint16_t bits = 16;
    const std::uint16_t blockAlign = channels * bits / 8;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * blockAlign);

    std::string b;
    b.reserve(44 + dataBytes);
    b += "RIFF";
    append32(b, 36 + dataBytes);
    b += "WAVEfmt ";
    append32(b, 16);
    append16(b, 1); // PCM
    append16(b, channels);
    append32(b, static_cast<std::uint32_t>(sampleRate));
    append32(b, static_cast<std::uint32_t>(sampleRate) * blockAlign);
    append16(b, blockAlign);
    append16(b, bits);
    b += "data";
    append32(b, dataBytes);
    for (double s : samples) {
        const double clipped = std::clamp(s, -1.0, 1.0);
        const auto value = static_cast<std::int16_t>(std::lround(clipped * 32767.0));
        append16(b, static_cast<std::uint16_t>(value));
    }

    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(b.data(), static_cast<std::streamsize>(b.size()));
    out.close();
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}
