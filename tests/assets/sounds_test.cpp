// The three drill sounds: 16-bit PCM, short, audible, without a click at
// either end, and not alike.

#include "asset_paths.h"
#include "wave_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

int peak(const Wave& w) {
    int highest = 0;
    for (auto s : w.samples) {
        highest = std::max(highest, std::abs(int(s)));
    }
    return highest;
}

// Zero crossings per second: high for a chime, low for a buzz.
double crossingRate(const Wave& w) {
    int crossings = 0;
    for (std::size_t i = 1; i < w.samples.size(); ++i) {
        if ((w.samples[i - 1] < 0) != (w.samples[i] < 0)) {
            ++crossings;
        }
    }
    return crossings / w.seconds();
}

} // namespace

TEST(Sounds, AreShortAudible16BitPcmThatStartAndEndInSilence) {
    for (const char* name : assets::Sounds) {
        SCOPED_TRACE(name);
        const Wave w = readWave(programDir() / name);
        EXPECT_EQ(w.format, 1);
        EXPECT_EQ(w.bitsPerSample, 16);
        EXPECT_TRUE(w.channels == 1 || w.channels == 2);
        EXPECT_GE(w.sampleRate, 22050);
        ASSERT_FALSE(w.samples.empty());
        // Audible under a second, then 0.3 s of silence: a player on a sound
        // server cuts the end off.
        const auto lastSound = std::find_if(w.samples.rbegin(), w.samples.rend(),
                                            [](auto s) { return std::abs(int(s)) > 3; });
        const double tail = double(lastSound - w.samples.rbegin()) / w.sampleRate / w.channels;
        EXPECT_GE(tail, 0.3);
        EXPECT_LT(w.seconds() - tail, 1.0);
        EXPECT_GT(w.seconds() - tail, 0.2);
        EXPECT_GT(peak(w), 32767 / 4) << "too quiet";
        EXPECT_LT(peak(w), 32767) << "clipped";
        EXPECT_LT(std::abs(int(w.samples.front())), 330) << "clicks when it starts";
        EXPECT_LT(std::abs(int(w.samples.back())), 330) << "clicks when it ends";
    }
}

TEST(Sounds, RightIsBrightWrongIsLowAndTheChimesDiffer) {
    const Wave right = readWave(programDir() / "seikai.wav");
    const Wave wrong = readWave(programDir() / "batu.wav");
    const Wave again = readWave(programDir() / "seikai2.wav");
    EXPECT_GT(crossingRate(right), 3 * crossingRate(wrong));
    EXPECT_GT(crossingRate(again), 2 * crossingRate(wrong));
    EXPECT_NE(right.samples, again.samples);
    // The chime after a miss is the softer one.
    EXPECT_LT(peak(again), peak(right));
}
