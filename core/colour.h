#pragma once
// Colours as the settings file stores them: signed 32-bit 0x00BBGGRR, red in
// the low byte; a value with the top bit set names a system colour.

#include <cstdint>

using Colour = std::int32_t;

constexpr Colour rgb(int r, int g, int b) {
    return r | (g << 8) | (b << 16);
}
constexpr int redOf(Colour c) {
    return c & 0xFF;
}
constexpr int greenOf(Colour c) {
    return (c >> 8) & 0xFF;
}
constexpr int blueOf(Colour c) {
    return (c >> 16) & 0xFF;
}

namespace colours {
constexpr Colour Black = rgb(0, 0, 0);
constexpr Colour White = rgb(255, 255, 255);
constexpr Colour Red = rgb(255, 0, 0);
constexpr Colour Yellow = rgb(255, 255, 0);
constexpr Colour Blue = rgb(0, 0, 255);
constexpr Colour Navy = rgb(0, 0, 128);
constexpr Colour DarkBlue = rgb(0, 0, 160);
constexpr Colour Silver = rgb(192, 192, 192);
constexpr Colour Aqua = rgb(0, 255, 255);
constexpr Colour Purple = rgb(128, 0, 128);
constexpr Colour Maroon = rgb(128, 0, 0);
constexpr Colour Gray = rgb(128, 128, 128);
// System colours: 0x80000000 | index.
constexpr Colour system(int index) {
    return static_cast<Colour>(0x80000000u | unsigned(index));
}
constexpr Colour Window = system(5);
constexpr Colour WindowText = system(8);
constexpr Colour BtnFace = system(15);
constexpr Colour BtnShadow = system(16);
constexpr Colour BtnHighlight = system(20);
constexpr Colour DkShadow3D = system(21);
constexpr Colour Light3D = system(22);
constexpr Colour WindowFrame = system(6);
} // namespace colours

// Plain RGB of any colour value; system colours through one fixed table of
// the classic desktop palette.
Colour resolveColour(Colour c);
