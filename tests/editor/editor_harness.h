#pragma once
// A drill harness with the editor on it, and the moves a learner makes in
// editor mode.

#include "cp932.h"
#include "drill_harness.h"
#include "editor.h"

#include <string>
#include <vector>

struct EditorHarness : DrillHarness {
    Editor editor{*drill};

    void click(void (Editor::*handler)()) {
        run([&] { (editor.*handler)(); });
    }
    void clickDrill(void (Drill::*handler)()) {
        run([&] { ((*drill).*handler)(); });
    }
    void enterEditorMode() { click(&Editor::SpdBtnSakuClick); }

    // Texts typed into the input boxes, in order (UTF-8 here, CP932 in the box).
    void inputs(const std::vector<std::string>& utf8) {
        for (const auto& t : utf8) {
            dialogs.inputs.push_back(cp932::sj(t));
        }
    }
    // The lines the drill shows, as the learner reads them.
    std::vector<std::string> shown() {
        return {form().Bangodisp.text, form().tangodisp.text, form().imidisp.text,
                form().imidisp2.text, form().Memo2.text};
    }
    int boxesOpened() const {
        int n = 0;
        for (const auto& l : dialogs.log) {
            n += l.rfind("input: ", 0) == 0;
        }
        return n;
    }
    // Runs `ticks` seconds of both timers inside every input box whose
    // caption starts with `caption`.
    void tickInBoxes(const std::string& caption, int ticks) {
        dialogs.whileOpen = [this, caption, ticks] {
            if (dialogs.log.back().rfind("input: " + caption, 0) == 0) {
                for (int i = 0; i < ticks; ++i) {
                    tick();
                }
            }
        };
    }
};
