#pragma once

#include "colour.h"

#include <cstdint>
#include <string>

namespace fontstyle {
constexpr std::uint8_t Bold = 1;
constexpr std::uint8_t Italic = 2;
constexpr std::uint8_t Underline = 4;
constexpr std::uint8_t StrikeOut = 8;
} // namespace fontstyle

constexpr int ShiftJisCharset = 128;

// A whole font as a field or a font dialog holds it. The name is CP932 as the
// settings file stores it; the size is in points.
struct Font {
    std::string name;
    int size = 9;
    Colour color = colours::Black;
    std::uint8_t style = 0;
    int charset = ShiftJisCharset;
    bool operator==(const Font&) const = default;
};

// At 96 dpi: points from a character height in pixels and back, halves
// rounded away from zero.
int pointsFromPixels(int pixels);
int pixelsFromPoints(int points);
