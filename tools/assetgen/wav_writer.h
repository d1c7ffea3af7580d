#pragma once
// Sounds are played from plain 16-bit PCM WAV files.

#include <filesystem>
#include <vector>

// Writes mono samples in [-1, 1] (values outside are clipped) as a 16-bit
// PCM WAV file. Throws std::runtime_error when the file cannot be written.
void writeWav16(const std::vector<double>& samples, int sampleRate,
                const std::filesystem::path& path);
