// Draws every picture and synthesises every sound the program opens beside
// itself, straight into the program folder given on the command line. Run
// with QT_QPA_PLATFORM=offscreen; needs the IPA fonts for Japanese labels.

#include "backdrop.h"
#include "bmp_writer.h"
#include "emblem_pictures.h"
#include "marks.h"
#include "notice_pictures.h"
#include "paint_kit.h"
#include "runner_pictures.h"
#include "sound_synth.h"
#include "toolbar_glyphs.h"
#include "wav_writer.h"

#include <QGuiApplication>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

namespace fs = std::filesystem;

namespace {

// "" for the 1x pictures, "@2x" for those drawn at twice the size.
std::string scaleSuffix;

// The picture's name with the scale suffix before its extension.
fs::path scaled(const fs::path& file) {
    return file.parent_path() / (file.stem().string() + scaleSuffix + file.extension().string());
}

std::string twoDigits(int n) {
    char name[8];
    std::snprintf(name, sizeof name, "%02d", n);
    return name;
}

void writeProgressPictures(const fs::path& dir) {
    fs::create_directories(dir / "image");
    for (int step = 0; step < LapSteps; ++step) {
        writeBmp24(drawLapPicture(step), scaled(dir / "image" / (twoDigits(step + 1) + ".BMP")));
    }
    // The straight is pictures 11, 12, then 19 to 26; 13 to 18 are not shown.
    const int stretch[StretchSteps] = {11, 12, 19, 20, 21, 22, 23, 24, 25, 26};
    for (int step = 0; step < StretchSteps; ++step) {
        writeBmp24(drawStretchPicture(step),
                   scaled(dir / "image" / (twoDigits(stretch[step]) + ".BMP")));
    }
    writeBmp24(drawFinishPicture(), scaled(dir / "image" / "27.BMP"));
    writeBmp24(drawTimeoutPicture(), scaled(dir / "image" / "Timeout.BMP"));
    writeBmp24(drawReadThenTypePicture(), scaled(dir / "image" / "afterreturn.BMP"));
}

void writeMarks(const fs::path& dir) {
    writeBmp24(drawRightMark(), dir / "right.bmp");
    writeBmp24(drawWrongMark(), dir / "wrong.bmp");
    writeBmp24(drawEraseStrip(), dir / "kesu.bmp");
    writeBmp24(drawEraseStrip(), dir / "kesu2.bmp");
}

void writeGlyphs(const fs::path& dir) {
    const fs::path glyphs = dir / "glyphs";
    fs::create_directories(glyphs);
    writePng(drawArrowGlyph(true), scaled(glyphs / "modoru.png"));
    writePng(drawArrowGlyph(false), scaled(glyphs / "susumeru.png"));
    writePng(drawLabelGlyph(QStringLiteral("こたえ"), TileColour::Blue),
             scaled(glyphs / "kaitou.png"));
    writePng(drawLabelGlyph(QStringLiteral("やめる"), TileColour::Green),
             scaled(glyphs / "shuryo.png"));
    writePng(drawLabelGlyph(QStringLiteral("おわる"), TileColour::Green),
             scaled(glyphs / "tojiru.png"));
    writePng(drawLabelGlyph(QStringLiteral("いろ"), TileColour::Blue),
             scaled(glyphs / "color1.png"));
    writePng(drawLabelGlyph(QStringLiteral("もじ"), TileColour::Blue), scaled(glyphs / "font.png"));
    writePng(drawLabelGlyph(QStringLiteral("つくる"), TileColour::Blue),
             scaled(glyphs / "saku.png"));
    writePng(drawLabelGlyph(QStringLiteral("ひんと"), TileColour::Blue),
             scaled(glyphs / "hint.png"));
    writePng(drawLabelGlyph(QStringLiteral("じかん"), TileColour::Blue),
             scaled(glyphs / "timer.png"));
    writePng(drawClearGlyph(), scaled(glyphs / "seisekiclear.png"));
}

void writePictures(const fs::path& dir) {
    const fs::path pictures = dir / "pictures";
    fs::create_directories(pictures);
    writePng(drawBackdrop(), pictures / "backdrop.png");
    writePng(drawIcon(), pictures / "icon.png");
    for (int size : DesktopIconSizes) {
        writePng(drawIcon(size), pictures / ("icon-" + std::to_string(size) + ".png"));
    }
}

// The pictures shown at their size, which a high-DPI screen shows from their
// @2x files; the marks are pixel art and the backdrop is stretched anyway.
void writeSharpPictures(const fs::path& dir) {
    writeProgressPictures(dir);
    writeGlyphs(dir);
    const fs::path pictures = dir / "pictures";
    writePng(drawLogo(), scaled(pictures / "logo.png"));
    writePng(drawMenuPicture(), scaled(pictures / "toeic_menu.png"));
}

// The offscreen platform warns about a missing runtime folder, which drawing
// into images never needs; that note would only clutter the build log.
void printMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg || message.startsWith(QLatin1String("QStandardPaths:"))) {
        return;
    }
    std::cerr << message.toStdString() << "\n";
}

void writeSounds(const fs::path& dir) {
    writeWav16(brightChime(), SoundSampleRate, dir / "seikai.wav");
    writeWav16(lowBuzz(), SoundSampleRate, dir / "batu.wav");
    writeWav16(softChime(), SoundSampleRate, dir / "seikai2.wav");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: potoran_assetgen PROGRAM_DIR\n";
        return 2;
    }
    const fs::path dir = argv[1];
    qInstallMessageHandler(printMessage);
    QGuiApplication app(argc, argv);
    try {
        requireIpaFonts();
        fs::create_directories(dir);
        writeMarks(dir);
        writePictures(dir);
        writeSharpPictures(dir);
        setCanvasScale(2);
        scaleSuffix = "@2x";
        writeSharpPictures(dir);
        writeSounds(dir);
    } catch (const std::exception& e) {
        std::cerr << "potoran_assetgen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
