#include "settings_file.h"

#include "errors.h"
#include "file_writer.h"
#include "integer_text.h"

#include <string>

namespace {

// Style lines keep only their low 8 bits.
std::uint8_t styleOf(const LineList& lines, long index) {
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(integerLine(lines, index)) & 0xFF);
}

void put(LineList& lines, long index, std::string value) {
    if (index < 0 || static_cast<size_t>(index) >= lines.size()) {
        throw ListIndexError(index);
    }
    lines[static_cast<size_t>(index)] = std::move(value);
}

void put(LineList& lines, long index, std::int32_t value) {
    put(lines, index, std::to_string(value));
}

} // namespace

LineList readSettings(const ProgramDir& dir) {
    return readLineFile(dir.resolve(SettingsFileName), SettingsFileName, MaxSettingsFileBytes);
}

namespace {

bool isFontKind(SettingKind kind) {
    return kind == SettingKind::FontName || kind == SettingKind::FontColour ||
           kind == SettingKind::FontSize || kind == SettingKind::FontStyle;
}

bool isCounter(SettingKind kind) {
    return kind == SettingKind::Right || kind == SettingKind::Wrong;
}

void applyLine(const LineList& lines, const SettingLine& s, Control& c) {
    switch (s.kind) {
    case SettingKind::FontName:
        c.font.name = lineAt(lines, s.line);
        break;
    case SettingKind::FontColour:
        c.font.color = integerLine(lines, s.line);
        break;
    case SettingKind::FontSize:
        c.font.size = integerLine(lines, s.line);
        break;
    case SettingKind::FontStyle:
        c.font.style = styleOf(lines, s.line);
        break;
    case SettingKind::Background:
        c.color = integerLine(lines, s.line);
        break;
    case SettingKind::Right:
    case SettingKind::Wrong:
        break;
    }
}

void storeLine(LineList& lines, const SettingLine& s, const Control& c) {
    switch (s.kind) {
    case SettingKind::FontName:
        put(lines, s.line, c.font.name);
        break;
    case SettingKind::FontColour:
        put(lines, s.line, c.font.color);
        break;
    case SettingKind::FontSize:
        put(lines, s.line, c.font.size);
        break;
    case SettingKind::FontStyle:
        // Only bold, italic, underline and strike-out are a style; the file holds 0..15.
        put(lines, s.line, static_cast<std::int32_t>(c.font.style & 0x0F));
        break;
    case SettingKind::Background:
        put(lines, s.line, c.color);
        break;
    case SettingKind::Right:
    case SettingKind::Wrong:
        break;
    }
}

} // namespace

void markLive(LiveLines& live, std::initializer_list<Control Form::*> fields, SettingGroup group) {
    for (const SettingLine& s : SettingsLayout) {
        const bool inGroup =
            group == SettingGroup::Font ? isFontKind(s.kind) : s.kind == SettingKind::Background;
        for (Control Form::*field : fields) {
            if (inGroup && s.field == field) {
                live.set(static_cast<size_t>(s.line));
            }
        }
    }
}

void applySettings(const LineList& lines, Form& form, LiveLines* applied) {
    for (const SettingLine& s : SettingsLayout) {
        if (isCounter(s.kind)) {
            continue;
        }
        applyLine(lines, s, form.*s.field);
        if (applied) {
            applied->set(static_cast<size_t>(s.line));
        }
    }
    // Each dialog opens on what its fields show; the question-font dialog
    // keeps its design size.
    const Font& question = form.tangodisp.font;
    form.FontDialog1.name = question.name;
    form.FontDialog1.color = question.color;
    form.FontDialog1.style = question.style;
    const Font& answer = form.Memo2.font;
    form.FontDialog2.name = answer.name;
    form.FontDialog2.color = answer.color;
    form.FontDialog2.size = answer.size;
    form.FontDialog2.style = answer.style;
    form.ColorDialog1 = form.tangodisp.color;
}

void storeSettings(LineList& lines, const Form& form, const DrillState& state,
                   const LiveLines& live) {
    for (const SettingLine& s : SettingsLayout) {
        // The run's counters are always the run's.
        if (s.kind == SettingKind::Right) {
            put(lines, s.line, state.TotalRight);
        } else if (s.kind == SettingKind::Wrong) {
            put(lines, s.line, state.TotalWrong);
        } else if (live.test(static_cast<size_t>(s.line))) {
            storeLine(lines, s, form.*s.field);
        }
    }
}

LineList saveSettings(const ProgramDir& dir, const Form& form, const DrillState& state,
                      const LiveLines& live) {
    LineList lines = readSettings(dir);
    storeSettings(lines, form, state, live);
    FileWriter::writeLines(dir.resolve(SettingsFileName), lines, SettingsFileName);
    return lines;
}
