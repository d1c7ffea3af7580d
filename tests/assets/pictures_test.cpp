// The pictures of the program folder: present, the sizes the window shows
// them at, and plain 24-bit BMP where the drill opens them by name.

#include "asset_paths.h"
#include "bitmap_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace fs = std::filesystem;

namespace {

int distinctColours(const Bitmap& bmp) {
    std::set<Rgb> colours(bmp.pixels.begin(), bmp.pixels.end());
    return static_cast<int>(colours.size());
}

bool mostlyBlue(const Rgb& c) {
    return c[2] > c[0] + 80;
}

bool mostlyRed(const Rgb& c) {
    return c[0] > c[2] + 80;
}

} // namespace

TEST(Pictures, ProgressPicturesAre24BitAt73By64AndAllDiffer) {
    const auto files = pictureBoxPictures();
    ASSERT_EQ(files.size(), 23u);
    std::set<std::vector<Rgb>> seen;
    for (const auto& name : files) {
        SCOPED_TRACE(name);
        const Bitmap bmp = readBmp24(programDir() / name);
        EXPECT_EQ(bmp.width, 73);
        EXPECT_EQ(bmp.height, 64);
        EXPECT_GE(distinctColours(bmp), 8) << "looks blank";
        EXPECT_TRUE(seen.insert(bmp.pixels).second) << "same picture as another";
    }
}

TEST(Pictures, MarksAreSmallBlueCircleAndRedCrossOnTheBackdrop) {
    const Bitmap right = readBmp24(programDir() / "right.bmp");
    const Bitmap wrong = readBmp24(programDir() / "wrong.bmp");
    for (const Bitmap* mark : {&right, &wrong}) {
        // Marks advance 5 pixels per answer and their rows lie 7 pixels apart.
        EXPECT_EQ(mark->width, 5);
        EXPECT_GE(mark->height, 4);
        EXPECT_LE(mark->height, 7);
    }
    EXPECT_TRUE(std::any_of(right.pixels.begin(), right.pixels.end(), mostlyBlue));
    EXPECT_FALSE(std::any_of(right.pixels.begin(), right.pixels.end(), mostlyRed));
    EXPECT_TRUE(std::any_of(wrong.pixels.begin(), wrong.pixels.end(), mostlyRed));
    // The circle is hollow: its middle shows the backdrop again.
    EXPECT_EQ(right.at(1, right.height / 2), right.at(4, right.height / 2));
}

TEST(Pictures, EraseBitmapsCoverBothMarkRowsInTheBackdropColours) {
    const Bitmap right = readBmp24(programDir() / "right.bmp");
    const Bitmap wrong = readBmp24(programDir() / "wrong.bmp");
    const int rowGap = 16 - 9; // right marks at y = 9, wrong marks at y = 16, erase at y = 9
    for (const char* name : {"kesu.bmp", "kesu2.bmp"}) {
        SCOPED_TRACE(name);
        const Bitmap kesu = readBmp24(programDir() / name);
        EXPECT_GE(kesu.width, 350);
        ASSERT_GE(kesu.height, rowGap + wrong.height);
        ASSERT_GE(kesu.height, right.height);
        // The last column of a mark is the gap before the next one; it must
        // match what erasing paints, or erased rows would leave a trace.
        for (int y = 0; y < right.height; ++y) {
            EXPECT_EQ(right.at(4, y), kesu.at(0, y)) << "right row " << y;
        }
        for (int y = 0; y < wrong.height; ++y) {
            EXPECT_EQ(wrong.at(4, y), kesu.at(kesu.width - 1, rowGap + y)) << "wrong row " << y;
        }
        // Nearly navy: the rows sit at the top of the backdrop.
        const Rgb& top = kesu.at(0, 0);
        EXPECT_LT(top[0], 40);
        EXPECT_LT(top[1], 40);
        EXPECT_GT(top[2], 100);
    }
}

TEST(Pictures, WindowPicturesHaveTheirSizes) {
    struct Expected {
        const char* file;
        int width, height;
    };
    const Expected pictures[] = {
        {"glyphs/modoru.png", 40, 30},       {"glyphs/susumeru.png", 40, 30},
        {"glyphs/kaitou.png", 40, 30},       {"glyphs/shuryo.png", 40, 30},
        {"glyphs/tojiru.png", 40, 30},       {"glyphs/color1.png", 40, 30},
        {"glyphs/font.png", 40, 30},         {"glyphs/saku.png", 40, 30},
        {"glyphs/hint.png", 40, 30},         {"glyphs/timer.png", 40, 30},
        {"glyphs/seisekiclear.png", 11, 11}, {"pictures/backdrop.png", 640, 400},
        {"pictures/logo.png", 100, 100},     {"pictures/icon.png", 32, 32},
        {"pictures/toeic_menu.png", 57, 65},
    };
    for (const auto& expected : pictures) {
        SCOPED_TRACE(expected.file);
        const PngHeader png = readPngHeader(programDir() / expected.file);
        EXPECT_EQ(png.width, expected.width);
        EXPECT_EQ(png.height, expected.height);
        EXPECT_EQ(png.bitDepth, 8) << "true colour";
        EXPECT_TRUE(png.colourType == 2 || png.colourType == 6) << "true colour";
        // Beside it, drawn again at twice the size for high-DPI screens,
        // except the stretched backdrop and the icon.
        fs::path sharp = programDir() / expected.file;
        sharp.replace_filename(sharp.stem().string() + "@2x.png");
        if (expected.file != std::string("pictures/backdrop.png") &&
            expected.file != std::string("pictures/icon.png")) {
            const PngHeader png2 = readPngHeader(sharp);
            EXPECT_EQ(png2.width, 2 * expected.width);
            EXPECT_EQ(png2.height, 2 * expected.height);
        }
    }
    for (const auto& name : pictureBoxPictures()) {
        const Bitmap bmp = readBmp24(programDir() / sharpName(name));
        EXPECT_EQ(bmp.width, 2 * 73);
        EXPECT_EQ(bmp.height, 2 * 64);
    }
}
