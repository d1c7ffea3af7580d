#pragma once
// The drill engine: every handler of a drill from a loaded question list to
// the end of a set, acting on the Form and the DrillState. Handlers keep the
// names of the window events they serve.

#include "bitmap_file.h"
#include "dialogs.h"
#include "dispatcher.h"
#include "drill_state.h"
#include "form.h"
#include "program_dir.h"
#include "screen.h"
#include "sounds.h"

#include <functional>
#include <optional>
#include <set>
#include <string>

// What becomes of a character typed into the answer field.
enum class KeyAction { Insert, Backspace, Drop };

// The display fields show a few lines of some fifty characters. A longer
// line from a file is cut for display only (the list keeps it whole): laid
// out by the window, a megabyte held it for seconds, and a megabyte of
// words to wrap for minutes.
constexpr std::size_t ShownLineBytes = 1024;
std::string shownPart(const std::string& line);

class Drill {
  public:
    Drill(const ProgramDir& dir, Dialogs& dialogs, Sounds& sounds, const Screen& screen);
    virtual ~Drill() = default;
    Drill(const Drill&) = delete;
    Drill& operator=(const Drill&) = delete;

    Form form;
    DrillState state;
    // Program-wide flags beside the record.
    bool MissedCurrent = false;
    bool PracticeMode = false;

    // Called when a set loaded from the catalogue is completed without a
    // miss, with the entry name of LoadedBy; the catalogue marks it.
    std::function<void(const std::string& entry)> onSetCompleted;
    // The answer field's normal text colour as the learner's settings keep
    // it; throws a RuntimeError when they cannot say. Installed by the
    // catalogue; without it the design colour is used.
    std::function<Colour()> storedAnswerColour;

    Dispatcher& dispatcher() { return dispatcher_; }
    const ProgramDir& programDir() const { return dir_; }
    Dialogs& dialogs() { return dialogs_; }
    const Screen& screen() const { return screen_; }

    // Pass and progress display.
    void BeginPass();
    void PaintStripNumber(Colour colour);
    void PaintMark(bool right);
    void EraseMarks();
    int RightRate() const;

    // Presentation.
    void ShowQuestion();
    void ResetDisplay();
    void SpdBtnClearClick();
    void TrackBar1Change();
    // The slider moved to `position` (clamped to 10..30); runs the change
    // handler only when the clamped position differs.
    void setTrackBar1Position(int position);
    void focusmove();

    // Judging.
    void SpdBtnkaitouClick();
    KeyAction Memo1KeyPress(const std::string& utf8Char);
    void kotakesuClick();
    void Button1Click();

    // Navigation and closing.
    void SpdBtnModoruClick();
    void SpdBtnSusumeruClick();
    void SpdBtnShuryoClick();
    void CloseSet();
    // Begins the pass again after the list was edited and shows the question
    // at line `base`, or the next one still queued, or the last queued. The
    // miss flag stays only if the question on screen is still the one at
    // `previousBase` (-1: a different question in any case).
    void restartAt(int base, int previousBase = -1);
    void changeClick();
    void SpeedButtonseisekiclearClick();

    // Timer and hints.
    void SpdBtnTimerClick();
    void RadioGroup1Click(int itemIndex);
    void Panel4Click();
    void Button8Click();
    void SpdBtnhintClick();

    // Leaving editor mode.
    void Button6Click();

    // The answer field's normal text colour, from storedAnswerColour. A
    // failure is reported once per run and the design colour is used, so the
    // drill never stops half-way through a right answer.
    Colour normalAnswerColour();
    bool awaitingAcknowledgement() const { return form.Memo1.font.color == colours::Red; }
    bool drillRunning() const { return !form.SpdBtnTimer.visible; }

    static std::string pictureFor(int pictureStep);
    // 0 keeps the sizes as they are.
    static int questionFontSize(size_t longerLineBytes);

  protected:
    void showPicture(const std::string& name);
    // The size of a picture file, or nothing when it cannot be read; each
    // such file is reported once per run and the drawing step goes on.
    std::optional<BitmapSize> pictureSize(const std::string& name);
    void drawBitmap(int x, int y, const std::string& name);
    void blankStrip();
    void coverMarkerRow(int count);
    void showCounters();
    void closeAfterPass(const char* message);

  private:
    void judge();

    const ProgramDir& dir_;
    Dialogs& dialogs_;
    Sounds& sounds_;
    const Screen& screen_;
    Dispatcher dispatcher_;
    bool judging_ = false;
    std::set<std::string> reportedPictures_;
    bool reportedAnswerColour_ = false;
};
