// Draws every picture and synthesises every sound the program opens beside
// itself (the list is cmake/assets.cmake's), straight into the program
// folder given on the command line. Run
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

#include "potoran_assets.h"

#include <QGuiApplication>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <iostream>
#include <iterator>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string twoDigits(int n) {
    char name[8];
    std::snprintf(name, sizeof name, "%02d", n);
    return name;
}

// How each listed picture is drawn, by its name in the program folder. The
// names and which of them come at two scales are cmake/assets.cmake's.
std::map<std::string, std::function<QImage()>> drawings() {
    std::map<std::string, std::function<QImage()>> d;
    for (int step = 0; step < LapSteps; ++step) {
        d["image/" + twoDigits(step + 1) + ".BMP"] = [step] { return drawLapPicture(step); };
    }
    // The straight is pictures 11, 12, then 19 to 26; 13 to 18 are not shown.
    const int stretch[StretchSteps] = {11, 12, 19, 20, 21, 22, 23, 24, 25, 26};
    for (int step = 0; step < StretchSteps; ++step) {
        d["image/" + twoDigits(stretch[step]) + ".BMP"] = [step] {
            return drawStretchPicture(step);
        };
    }
    d["image/27.BMP"] = drawFinishPicture;
    d["image/Timeout.BMP"] = drawTimeoutPicture;
    d["image/afterreturn.BMP"] = drawReadThenTypePicture;

    d["right.bmp"] = drawRightMark;
    d["wrong.bmp"] = drawWrongMark;
    d["kesu.bmp"] = drawEraseStrip;
    d["kesu2.bmp"] = drawEraseStrip;

    d["glyphs/modoru.png"] = [] { return drawArrowGlyph(true); };
    d["glyphs/susumeru.png"] = [] { return drawArrowGlyph(false); };
    const struct {
        const char* name;
        const char* label;
        TileColour colour;
    } labels[] = {
        {"kaitou", "こたえ", TileColour::Blue},  {"shuryo", "やめる", TileColour::Green},
        {"tojiru", "おわる", TileColour::Green}, {"color1", "いろ", TileColour::Blue},
        {"font", "もじ", TileColour::Blue},      {"saku", "つくる", TileColour::Blue},
        {"hint", "ひんと", TileColour::Blue},    {"timer", "じかん", TileColour::Blue},
    };
    for (const auto& l : labels) {
        d["glyphs/" + std::string(l.name) + ".png"] = [l] {
            return drawLabelGlyph(QString::fromUtf8(l.label), l.colour);
        };
    }
    d["glyphs/seisekiclear.png"] = drawClearGlyph;

    d["pictures/backdrop.png"] = drawBackdrop;
    d["pictures/logo.png"] = drawLogo;
    d["pictures/toeic_menu.png"] = drawMenuPicture;
    d["pictures/icon.png"] = [] { return drawIcon(); };
    for (int size : assets::IconSizes) {
        d["pictures/icon-" + std::to_string(size) + ".png"] = [size] { return drawIcon(size); };
    }
    return d;
}

const std::map<std::string, std::vector<double> (*)()> sounds = {
    {"seikai.wav", brightChime}, {"batu.wav", lowBuzz}, {"seikai2.wav", softChime}};

// Draws the listed pictures into `dir`, with `suffix` before the extension,
// and crosses each off `unused`.
template <std::size_t N>
void writePictures(const fs::path& dir, const char* const (&names)[N], const std::string& suffix,
                   const std::map<std::string, std::function<QImage()>>& drawing,
                   std::set<std::string>& unused) {
    for (const std::string name : names) {
        const auto found = drawing.find(name);
        if (found == drawing.end()) {
            throw std::runtime_error("no drawing for " + name);
        }
        unused.erase(name);
        fs::path file = dir / name;
        file.replace_filename(file.stem().string() + suffix + file.extension().string());
        fs::create_directories(file.parent_path());
        if (file.extension() == ".png") {
            writePng(found->second(), file);
        } else {
            writeBmp24(found->second(), file);
        }
    }
}

void writeEverything(const fs::path& dir) {
    const auto drawing = drawings();
    std::set<std::string> unused;
    for (const auto& [name, draw] : drawing) {
        unused.insert(name);
    }
    fs::create_directories(dir);
    writePictures(dir, assets::PlainPictures, "", drawing, unused);
    writePictures(dir, assets::DesktopIcons, "", drawing, unused);
    writePictures(dir, assets::SharpPictures, "", drawing, unused);
    // The pictures shown at their size, which a high-DPI screen shows from
    // their @2x files.
    setCanvasScale(2);
    writePictures(dir, assets::SharpPictures, "@2x", drawing, unused);
    for (const std::string name : assets::Sounds) {
        const auto found = sounds.find(name);
        if (found == sounds.end()) {
            throw std::runtime_error("no sound for " + name);
        }
        writeWav16(found->second(), SoundSampleRate, dir / name);
    }
    if (!unused.empty() || std::size(assets::Sounds) != sounds.size()) {
        throw std::runtime_error("a picture or sound is made but not listed in cmake/assets.cmake");
    }
}

// The offscreen platform warns about a missing runtime folder, which drawing
// into images never needs; that note would only clutter the build log.
void printMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg || message.startsWith(QLatin1String("QStandardPaths:"))) {
        return;
    }
    std::cerr << message.toStdString() << "\n";
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
        writeEverything(dir);
    } catch (const std::exception& e) {
        std::cerr << "potoran_assetgen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
