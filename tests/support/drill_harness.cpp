#include "drill_harness.h"

#include "cp932.h"

DrillHarness::DrillHarness(int screenWidth) {
    screen.w = screenWidth;
    drill = std::make_unique<Drill>(folder.dir(), dialogs, sounds, screen);
    drill->state.SettingsList = defaultSettings();
    // The offsets start-up sets for this screen.
    const geometry::SurfaceOffsets offsets = geometry::surfaceOffsets(screenWidth);
    drill->state.StripDX = offsets.stripDX;
    drill->state.StripDY = offsets.stripDY;
    drill->state.MarkDX = offsets.markDX;
    drill->state.MarkDY = offsets.markDY;
    drill->form.Memo1.font.color = 0;
}

void DrillHarness::load(const LineList& lines) {
    run([&] {
        drill->CloseSet();
        drill->state.QuestionList = lines;
        drill->state.CurrentBase = 2;
        drill->BeginPass();
    });
}

void DrillHarness::type(const std::string& utf8) {
    size_t i = 0;
    while (i < utf8.size()) {
        unsigned char b = static_cast<unsigned char>(utf8[i]);
        size_t n = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : 4;
        std::string ch = utf8.substr(i, n);
        i += n;
        KeyAction action = KeyAction::Drop;
        run([&] { action = drill->Memo1KeyPress(ch); });
        auto& text = drill->form.Memo1.text;
        if (action == KeyAction::Insert) {
            text += cp932::encodeTyped(ch);
        } else if (action == KeyAction::Backspace && !text.empty()) {
            // Remove the last whole character.
            size_t last = 0;
            for (size_t at = 0; at < text.size();) {
                last = at;
                at += cp932::isLeadByte(static_cast<unsigned char>(text[at])) ? 2 : 1;
            }
            text.erase(last);
        }
    }
}

void DrillHarness::tick() {
    // The timeout looks before the countdown moves, so "0" stays on screen
    // for a second before the answer is judged.
    if (drill->form.Timer4Enabled) {
        run([&] { drill->Button8Click(); });
    }
    if (drill->form.Timer3Enabled) {
        run([&] { drill->Panel4Click(); });
    }
}

std::optional<Colour> DrillHarness::numberColour(int k) const {
    const auto& s = drill->state;
    auto at = drill->form.surface.charAt(geometry::stripNumberX(k, s.StripDX),
                                         geometry::stripRowY(s.StripDY));
    if (!at || at->first == ' ') {
        return std::nullopt;
    }
    return at->second;
}
