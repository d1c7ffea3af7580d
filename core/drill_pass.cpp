// Starting a pass and the two progress displays on the window surface.
#include "drill.h"

#include "bitmap_file.h"
#include "cp932.h"
#include "errors.h"

#include <algorithm>

Drill::Drill(const ProgramDir& dir, Dialogs& dialogs, Sounds& sounds, const Screen& screen)
    : dir_(dir), dialogs_(dialogs), sounds_(sounds), screen_(screen), dispatcher_(dialogs) {}

std::string shownPart(const std::string& line) {
    return line.substr(0, cp932::safeCut(line, ShownLineBytes));
}

void Drill::blankStrip() {
    const int x0 = 0 - state.StripDX;
    const int x1 = geometry::StripRightX - state.StripDX;
    form.surface.blankRow(x0, x1, geometry::stripRowY(state.StripDY));
    form.surface.blankRow(x0, x1, geometry::StripLowerRowY - state.StripDY);
}

void Drill::BeginPass() {
    sounds_.prepare();
    const auto& list = state.QuestionList;
    if (hasQuestion(list)) {
        form.ShadowLabel2.text = shownPart(list[1]);
        blankStrip();
        state.Position = 1;
        const int count = questionCount(list);
        for (int k = 1; k <= count && k <= MaxQuestions; ++k) {
            if (state.Passed[k] == 0) {
                form.surface.text(geometry::stripNumberX(k, state.StripDX),
                                  geometry::stripRowY(state.StripDY), std::to_string(k),
                                  colours::White);
                state.Queue[state.Position] = baseLineOf(k);
                ++state.Position;
            }
        }
        EraseMarks();
        form.allmondai.text = std::to_string(state.Position - 1);
    }
    state.QueueLength = state.Position - 1;
    state.Position = 1;
    state.MissInPass = 0;
    ShowQuestion();
}

void Drill::restartAt(int base, int previousBase) {
    // A pass that queues nothing (every question left already passed) shows
    // slot 1 all the same; slots BeginPass does not fill keep base lines of an
    // earlier, possibly longer list, so point slot 1 at a question that exists.
    if (questionCount(state.QuestionList) > 0) {
        state.Queue[1] = baseLineOf(1);
    }
    BeginPass();
    // BeginPass leaves out questions already passed, so positions of the old
    // queue no longer name the same questions.
    const int length = std::clamp(state.QueueLength, 0, MaxQuestions);
    int slot = std::max(length, 1);
    for (int p = 1; p <= length; ++p) {
        if (state.Queue[p] >= base) {
            slot = p;
            break;
        }
    }
    state.Position = slot;
    ShowQuestion();
    // A miss belongs to the question it was made at.
    if (state.CurrentBase != previousBase) {
        MissedCurrent = false;
    }
}

void Drill::PaintStripNumber(Colour colour) {
    const int k = questionNumberOf(state.CurrentBase);
    form.surface.text(geometry::stripNumberX(k, state.StripDX), geometry::stripRowY(state.StripDY),
                      std::to_string(k), colour);
}

std::optional<BitmapSize> Drill::pictureSize(const std::string& name) {
    try {
        return readBitmapSize(dir_.resolve(name), name);
    } catch (const FileOpenError& e) {
        if (reportedPictures_.insert(name).second) {
            dialogs_.errorReport(e.what());
        }
        return std::nullopt;
    }
}

void Drill::drawBitmap(int x, int y, const std::string& name) {
    if (auto size = pictureSize(name)) {
        form.surface.bitmap(x, y, size->width, size->height, name, dir_.resolve(name));
    }
}

void Drill::PaintMark(bool right) {
    using namespace geometry;
    if (right) {
        drawBitmap(state.RightMarkX + MarkX - state.MarkDX, RightMarkY - state.MarkDY, "right.bmp");
        state.RightMarkX += MarkStep;
    } else {
        drawBitmap(state.WrongMarkX + MarkX - state.MarkDX, WrongMarkY - state.MarkDY, "wrong.bmp");
        state.WrongMarkX += MarkStep;
    }
}

void Drill::EraseMarks() {
    state.RightMarkX = 0;
    state.WrongMarkX = 0;
    // The narrow window's shorter rows have their own eraser.
    drawBitmap(geometry::EraserX - state.MarkDX, geometry::RightMarkY - state.MarkDY,
               geometry::isNarrow(screen_.width()) ? "kesu2.bmp" : "kesu.bmp");
}

int Drill::RightRate() const {
    const long long total = static_cast<long long>(state.TotalRight) + state.TotalWrong;
    if (total == 0) {
        return 0;
    }
    return static_cast<int>(static_cast<long long>(state.TotalRight) * 100 / total);
}
