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

void applySettings(const LineList& lines, Form& form, LiveLines* applied) {
    LiveLines ignored;
    LiveLines& live = applied ? *applied : ignored;
    auto integer = [&](long index) {
        std::int32_t value = integerLine(lines, index);
        live.set(static_cast<size_t>(index));
        return value;
    };
    Font* const fonts[] = {&form.tangodisp.font, &form.imidisp.font, &form.imidisp2.font,
                           &form.Memo2.font, &form.Memo1.font};
    for (long i = 0; i < 5; ++i) {
        fonts[i]->name = lineAt(lines, 1 + i);
        live.set(static_cast<size_t>(1 + i));
    }
    for (long i = 0; i < 5; ++i) {
        fonts[i]->color = integer(6 + i);
    }
    form.Memo2.font.size = integer(14);
    form.Memo1.font.size = integer(15);
    for (long i = 0; i < 5; ++i) {
        fonts[i]->style = styleOf(lines, 16 + i);
        live.set(static_cast<size_t>(16 + i));
    }
    form.tangodisp.color = integer(21);
    form.imidisp.color = integer(22);
    form.imidisp2.color = integer(23);
    form.imidisp3.color = integer(24);
    form.Bangodisp.color = integer(25);
    form.Memo2.color = integer(28);
    form.Memo1.color = integer(29);

    // The question-font dialog keeps its design size.
    form.FontDialog1.name = lineAt(lines, 1);
    form.FontDialog1.color = integerLine(lines, 6);
    form.FontDialog1.style = styleOf(lines, 16);

    form.FontDialog2.name = lineAt(lines, 4);
    form.FontDialog2.color = integerLine(lines, 9);
    form.FontDialog2.size = integerLine(lines, 14);
    form.FontDialog2.style = styleOf(lines, 19);

    form.ColorDialog1 = integerLine(lines, 21);
}

void storeSettings(LineList& lines, const Form& form, const DrillState& state,
                   const LiveLines& live) {
    auto store = [&](long index, auto value) {
        if (live.test(static_cast<size_t>(index))) {
            put(lines, index, value);
        }
    };
    const Control* const fields[] = {&form.tangodisp, &form.imidisp, &form.imidisp2, &form.Memo2,
                                     &form.Memo1};
    for (long i = 0; i < 5; ++i) {
        store(1 + i, fields[i]->font.name);
    }
    for (long i = 0; i < 5; ++i) {
        store(6 + i, fields[i]->font.color);
    }
    store(14, form.Memo2.font.size);
    store(15, form.Memo1.font.size);
    // Only bold, italic, underline and strike-out are a style; the file holds 0..15.
    for (long i = 0; i < 5; ++i) {
        store(16 + i, static_cast<std::int32_t>(fields[i]->font.style & 0x0F));
    }
    store(21, form.tangodisp.color);
    store(22, form.imidisp.color);
    store(23, form.imidisp2.color);
    store(24, form.imidisp3.color);
    store(25, form.Bangodisp.color);
    // The run's counters are always the run's.
    put(lines, 26, state.TotalRight);
    put(lines, 27, state.TotalWrong);
    store(28, form.Memo2.color);
    store(29, form.Memo1.color);
}

LineList saveSettings(const ProgramDir& dir, const Form& form, const DrillState& state,
                      const LiveLines& live) {
    LineList lines = readSettings(dir);
    storeSettings(lines, form, state, live);
    FileWriter::writeLines(dir.resolve(SettingsFileName), lines, SettingsFileName);
    return lines;
}
