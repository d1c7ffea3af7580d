#pragma once
// What the drill draws straight on the window: the number strip and the mark
// rows. Kept as an ordered list of drawing operations, each painted opaque
// over the earlier ones, so a repaint can draw it all again. Operations that
// an later one covers completely are dropped, which keeps the list short.

#include "colour.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The canvas font, "MSゴシック" size 9 at 96 dpi: a 12-pixel cell, 6 pixels
// per single-byte character (the font is monospaced).
constexpr int SurfaceCharWidth = 6;
constexpr int SurfaceCharHeight = 12;

struct SurfaceOp {
    enum class Kind { Text, Bitmap };
    Kind kind = Kind::Text;
    int x = 0; // top-left corner
    int y = 0;
    int width = 0;
    int height = 0;
    std::string text; // Text: ASCII only
    Colour colour = 0;
    std::string bitmapName; // Bitmap: the backslash name, e.g. "right.bmp"
    std::filesystem::path bitmapPath;

    bool covers(const SurfaceOp& other) const;
};

class Surface {
  public:
    void text(int x, int y, const std::string& text, Colour colour);
    // Blanks [x0, x1 + one character) of a row, as single spaces written at
    // every x would.
    void blankRow(int x0, int x1, int y);
    void bitmap(int x, int y, int w, int h, const std::string& name,
                const std::filesystem::path& path);

    const std::vector<SurfaceOp>& ops() const { return ops_; }
    unsigned long revision() const { return revision_; }

    // What a viewer sees at a pixel: the top-most operation there.
    const SurfaceOp* topAt(int x, int y) const;
    // The character and colour shown at a pixel, when it is text.
    std::optional<std::pair<char, Colour>> charAt(int x, int y) const;

  private:
    void add(SurfaceOp op);
    std::vector<SurfaceOp> ops_;
    unsigned long revision_ = 0;
};
