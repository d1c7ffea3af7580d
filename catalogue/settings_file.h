#pragma once
// The settings file font.txt: plain lines addressed by index. Start-up applies
// it to the display fields and the three dialogs; the confirmed finish rereads
// it, replaces the lines it owns and writes it back.

#include "drill_state.h"
#include "form.h"
#include "line_list.h"
#include "program_dir.h"

#include <bitset>
#include <cstddef>
#include <initializer_list>

inline constexpr const char* SettingsFileName = "font.txt";

// The lines the finish may write from the fields: those start-up applied and
// those a font or colour dialog changed since. Any other line is written back
// as reread, so one bad number never costs the learner the lines after it.
using LiveLines = std::bitset<30>;
inline LiveLines allLines() {
    return LiveLines().set();
}
inline void markLive(LiveLines& live, std::initializer_list<int> lines) {
    for (int line : lines) {
        live.set(static_cast<size_t>(line));
    }
}

// 30 short lines; a larger file is damage and is refused, not laid out.
constexpr std::size_t MaxSettingsFileBytes = 1 << 20;

// Reads the whole file; FileOpenError when it is missing or unreadable, or
// holds more than MaxSettingsFileBytes.
LineList readSettings(const ProgramDir& dir);

// Applies lines 1-25, 28 and 29 one attribute at a time, in the start-up
// order, so a short file or a bad number stops at that line with everything
// before it applied. Lines 26 and 27 (the last run's counts) are not applied.
// `applied`, when given, gets the line of every attribute set.
void applySettings(const LineList& lines, Form& form, LiveLines* applied = nullptr);

// Replaces lines 1-10 and 14-29 with the fields' fonts and colours and the
// run's counters; every other line stays as it is, and so does every line not
// in `live`. ListIndexError when the list is too short for a line it replaces.
void storeSettings(LineList& lines, const Form& form, const DrillState& state,
                   const LiveLines& live = allLines());

// Rereads the file, replaces the owned lines and writes it atomically.
// Returns the list written; on any failure nothing is written.
LineList saveSettings(const ProgramDir& dir, const Form& form, const DrillState& state,
                      const LiveLines& live);
