#pragma once
// Reads a RIFF WAVE file as far as the sounds need checking.

#include <cstdint>
#include <filesystem>
#include <vector>

struct Wave {
    int format = 0; // 1: PCM
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples; // interleaved, 16-bit files only

    double seconds() const {
        return channels == 0 || sampleRate == 0 ? 0.0
                                                : double(samples.size()) / channels / sampleRate;
    }
};

// Throws std::runtime_error when the file is not a well-formed WAVE file.
Wave readWave(const std::filesystem::path& path);
