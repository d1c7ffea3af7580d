// The four input boxes of one question, shared by creating and adding.
#include "editor.h"

#include "cp932.h"

#include <array>

Editor::Asked Editor::askQuestion(const std::string& stem, int number, bool numberAfterFirst,
                                  LineList& record) {
    static const std::array<const char*, 4> digits = {"１", "２", "３", "４"};
    Form& form = drill_.form;
    const std::uint64_t generation = drill_.state.generation();
    record.assign(4, std::string());
    std::string& line1 = record[0];
    std::string& line2 = record[1];
    std::string& line3 = record[2];
    std::string& answer = record[3];

    // What the learner has entered so far, shown again after every box: a
    // tick may have put another question on screen while the box was open.
    auto showDraft = [&](int boxesDone) {
        if (!numberAfterFirst || boxesDone >= 1) {
            form.Bangodisp.text = std::to_string(number);
        }
        if (boxesDone >= 1) {
            form.tangodisp.text = line1;
            form.imidisp.text = boxesDone >= 2 ? line2 : std::string();
            form.imidisp2.text = boxesDone >= 3 ? line3 : std::string();
        }
    };

    showDraft(0);
    line1 = input(stem + digits[0], "１行目の問題文を入力して下さい。");
    if (setClosedSince(generation)) {
        return Asked::SetClosed;
    }
    if (line1.empty()) {
        return Asked::Ended;
    }
    showDraft(1);
    form.Memo2.text.clear();

    line2 = input(stem + digits[1], cp932::excerpt(line1) + " の下の問題文を入力して下さい。");
    if (setClosedSince(generation)) {
        return Asked::SetClosed;
    }
    if (line2.empty()) {
        return Asked::Ended;
    }
    showDraft(2);

    line3 = input(stem + digits[2],
                  cp932::excerpt(line2) + " の下の問題文を入力して下さい。無い時は空白を。");
    if (setClosedSince(generation)) {
        return Asked::SetClosed;
    }
    if (line3.empty()) {
        return Asked::Ended;
    }
    showDraft(3);

    answer = input(stem + digits[3], "答を入力して下さい。");
    if (setClosedSince(generation)) {
        return Asked::SetClosed;
    }
    showDraft(3);
    return Asked::Complete;
}
