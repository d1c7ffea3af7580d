#pragma once
// The settings file font.txt: plain lines addressed by index. Start-up applies
// it to the display fields and the three dialogs; the confirmed finish rereads
// it, replaces the lines it owns and writes it back. SettingsLayout says what
// each line holds; nothing else in the program knows a line's number.

#include "drill_state.h"
#include "form.h"
#include "line_list.h"
#include "program_dir.h"

#include <bitset>
#include <cstddef>
#include <initializer_list>

inline constexpr const char* SettingsFileName = "font.txt";

// What a line holds: an attribute of a field's font, a field's background
// colour, or one of the run's two counters.
enum class SettingKind { FontName, FontColour, FontSize, FontStyle, Background, Right, Wrong };

struct SettingLine {
    int line;
    Control Form::*field; // none for the counters
    SettingKind kind;
};

// Every line the program reads or writes, in the order start-up applies
// them. Lines 0 and 11-13 are the file's own and always written back as read.
inline constexpr SettingLine SettingsLayout[] = {
    {1, &Form::tangodisp, SettingKind::FontName},
    {2, &Form::imidisp, SettingKind::FontName},
    {3, &Form::imidisp2, SettingKind::FontName},
    {4, &Form::Memo2, SettingKind::FontName},
    {5, &Form::Memo1, SettingKind::FontName},
    {6, &Form::tangodisp, SettingKind::FontColour},
    {7, &Form::imidisp, SettingKind::FontColour},
    {8, &Form::imidisp2, SettingKind::FontColour},
    {9, &Form::Memo2, SettingKind::FontColour},
    {10, &Form::Memo1, SettingKind::FontColour},
    {14, &Form::Memo2, SettingKind::FontSize},
    {15, &Form::Memo1, SettingKind::FontSize},
    {16, &Form::tangodisp, SettingKind::FontStyle},
    {17, &Form::imidisp, SettingKind::FontStyle},
    {18, &Form::imidisp2, SettingKind::FontStyle},
    {19, &Form::Memo2, SettingKind::FontStyle},
    {20, &Form::Memo1, SettingKind::FontStyle},
    {21, &Form::tangodisp, SettingKind::Background},
    {22, &Form::imidisp, SettingKind::Background},
    {23, &Form::imidisp2, SettingKind::Background},
    {24, &Form::imidisp3, SettingKind::Background},
    {25, &Form::Bangodisp, SettingKind::Background},
    {26, nullptr, SettingKind::Right},
    {27, nullptr, SettingKind::Wrong},
    {28, &Form::Memo2, SettingKind::Background},
    {29, &Form::Memo1, SettingKind::Background},
};

// The line that holds `kind` of `field`; -1 when none does.
constexpr int settingLine(Control Form::*field, SettingKind kind) {
    for (const SettingLine& s : SettingsLayout) {
        if (s.field == field && s.kind == kind) {
            return s.line;
        }
    }
    return -1;
}

// The lines the finish may write from the fields: those start-up applied and
// those a font or colour dialog changed since. Any other line is written back
// as reread, so one bad number never costs the learner the lines after it.
using LiveLines = std::bitset<30>;
inline LiveLines allLines() {
    return LiveLines().set();
}
// Marks live the lines of the given fields' fonts (every font attribute) or
// of their backgrounds, as a font or colour dialog changes them.
enum class SettingGroup { Font, Background };
void markLive(LiveLines& live, std::initializer_list<Control Form::*> fields, SettingGroup group);

// 30 short lines; a larger file is damage and is refused, not laid out.
constexpr std::size_t MaxSettingsFileBytes = 1 << 20;

// Reads the whole file; FileOpenError when it is missing or unreadable, or
// holds more than MaxSettingsFileBytes.
LineList readSettings(const ProgramDir& dir);

// Applies the field lines of SettingsLayout one attribute at a time, in its
// order, so a short file or a bad number stops at that line with everything
// before it applied; then the dialogs open on what their fields show. The
// last run's counts are not applied. `applied`, when given, gets the line of
// every attribute set.
void applySettings(const LineList& lines, Form& form, LiveLines* applied = nullptr);

// Replaces the lines of SettingsLayout with the fields' fonts and colours
// (only those in `live`) and the run's counters (always); every other line
// stays as it is. ListIndexError when the list is too short for a line it
// replaces.
void storeSettings(LineList& lines, const Form& form, const DrillState& state,
                   const LiveLines& live = allLines());

// Rereads the file, replaces the owned lines and writes it atomically.
// Returns the list written; on any failure nothing is written.
LineList saveSettings(const ProgramDir& dir, const Form& form, const DrillState& state,
                      const LiveLines& live);
