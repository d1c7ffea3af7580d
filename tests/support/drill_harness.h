#pragma once
// A drill on a temporary program folder with scripted ports, and the few
// moves a learner makes, for scenario tests.

#include "drill.h"
#include "scripted_dialogs.h"
#include "temp_program_dir.h"

#include <memory>

struct DrillHarness {
    TempProgramDir folder;
    ScriptedDialogs dialogs;
    RecordingSounds sounds;
    FixedScreen screen;
    std::unique_ptr<Drill> drill;

    explicit DrillHarness(int screenWidth = 1280);

    // Loads lines as a loader does and begins the pass.
    void load(const LineList& lines);
    // Types each character through the key filter, applying its decision.
    void type(const std::string& utf8);
    void answer(const std::string& utf8) { type(utf8 + "\r"); }
    // Runs a handler through the dispatcher, as the window does.
    void run(const std::function<void()>& handler) { drill->dispatcher().run(handler); }
    // One second of both timers.
    void tick();

    Form& form() { return drill->form; }
    DrillState& state() { return drill->state; }
    // Colour of question k's number in the strip, if drawn.
    std::optional<Colour> numberColour(int k) const;
};
