#pragma once
// The settings file font.txt: plain lines addressed by index. Start-up applies
// it to the display fields and the three dialogs; the confirmed finish rereads
// it, replaces the lines it owns and writes it back.

#include "drill_state.h"
#include "form.h"
#include "line_list.h"
#include "program_dir.h"

inline constexpr const char* SettingsFileName = "font.txt";

// Reads the whole file; FileOpenError when it is missing or unreadable.
LineList readSettings(const ProgramDir& dir);

// Applies lines 1-25, 28 and 29 one attribute at a time, in the start-up
// order, so a short file or a bad number stops at that line with everything
// before it applied. Lines 26 and 27 (the last run's counts) are not applied.
void applySettings(const LineList& lines, Form& form);

// Replaces lines 1-10 and 14-29 with the fields' fonts and colours and the
// run's counters; every other line stays as it is. ListIndexError when the
// list is too short for a line it replaces.
void storeSettings(LineList& lines, const Form& form, const DrillState& state);

// Rereads the file, replaces the owned lines and writes it atomically.
// Returns the list written; on any failure nothing is written.
LineList saveSettings(const ProgramDir& dir, const Form& form, const DrillState& state);
