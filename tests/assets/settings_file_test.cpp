// The settings file as installed: 30 CP932 lines with CR LF, integers where
// the program reads integers, and every text readable on its background.

#include "asset_paths.h"
#include "bitmap_reader.h"

#include "colour.h"
#include "cp932.h"
#include "integer_text.h"
#include "line_list.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

double channelLuminance(int value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(Colour c) {
    return 0.2126 * channelLuminance(redOf(c)) + 0.7152 * channelLuminance(greenOf(c)) +
           0.0722 * channelLuminance(blueOf(c));
}

// Contrast ratio of two colours, from 1 (same) to 21 (black on white).
double contrast(Colour a, Colour b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Normal-size text needs 4.5 to be read comfortably.
constexpr double Readable = 4.5;

LineList installedSettings() {
    return splitLines(readFileBytes(dataSourceDir() / "font.txt"));
}

} // namespace

TEST(SettingsFile, Has30Cp932LinesEndingInCrLf) {
    const std::string bytes = readFileBytes(dataSourceDir() / "font.txt");
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at byte " << i;
        }
        if (bytes[i] == '\r') {
            EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at byte " << i;
        }
    }
    const LineList lines = splitLines(bytes);
    ASSERT_EQ(lines.size(), 30u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(cp932::decode(lines[i]).find("\xEF\xBF\xBD"), std::string::npos)
            << "line " << i << " is not CP932";
    }
    for (int i = 1; i <= 5; ++i) {
        EXPECT_FALSE(lines[i].empty()) << "font name on line " << i;
    }
}

TEST(SettingsFile, NumberLinesHoldValidIntegers) {
    const LineList lines = installedSettings();
    ASSERT_EQ(lines.size(), 30u);
    for (int i : {6, 7, 8, 9, 10, 21, 22, 23, 24, 25, 28, 29}) {
        const Colour c = toInteger(lines[i]);
        EXPECT_GE(c, 0) << "line " << i << ": a plain colour, not a system colour";
        EXPECT_LE(c, 0xFFFFFF) << "line " << i;
    }
    for (int i : {14, 15}) {
        const int size = toInteger(lines[i]);
        // The answer fields are 41 pixels high.
        EXPECT_GE(size, 9) << "line " << i;
        EXPECT_LE(size, 24) << "line " << i;
    }
    for (int i = 16; i <= 20; ++i) {
        const int style = toInteger(lines[i]);
        EXPECT_GE(style, 0) << "line " << i;
        EXPECT_LE(style, 15) << "line " << i;
    }
    EXPECT_EQ(toInteger(lines[26]), 0);
    EXPECT_EQ(toInteger(lines[27]), 0);
}

TEST(SettingsFile, EveryTextIsReadableOnItsBackground) {
    const LineList lines = installedSettings();
    ASSERT_EQ(lines.size(), 30u);
    struct Pair {
        int text, background;
        const char* field;
    };
    const Pair pairs[] = {{6, 21, "question line 1"},
                          {7, 22, "question line 2"},
                          {8, 23, "question line 3"},
                          {9, 28, "correct answer"},
                          {10, 29, "answer field"}};
    for (const Pair& p : pairs) {
        EXPECT_GE(contrast(toInteger(lines[p.text]), toInteger(lines[p.background])), Readable)
            << p.field;
    }
    // The drill turns the answer red after a miss and yellow while retyping;
    // the question number is white.
    const Colour answerBackground = toInteger(lines[29]);
    EXPECT_GE(contrast(colours::Red, answerBackground), Readable) << "red answer";
    EXPECT_GE(contrast(colours::Yellow, answerBackground), Readable) << "yellow answer";
    EXPECT_GE(contrast(colours::White, toInteger(lines[25])), Readable) << "question number";

    // Red and yellow are the drill's signals, so the normal answer colour is neither.
    const Colour normalAnswer = toInteger(lines[10]);
    EXPECT_NE(normalAnswer, colours::Red);
    EXPECT_NE(normalAnswer, colours::Yellow);
}
