// A user file may hold anything. Opened, changed in editor mode and saved,
// it must come back as the learner left it: what is opened is the file's
// lines, the file opened is never touched, and what is saved reads back as
// the list the drill held.
#include "cp932.h"
#include "editor.h"
#include "fuzz_support.h"
#include "line_list.h"
#include "question_list.h"
#include "set_loader.h"

namespace {

// A text the learner could type into a box: no line ends, at most 255
// bytes, never half a character.
std::string typed(const LineList& lines, unsigned pick) {
    if (lines.empty()) {
        return pick % 3 ? "x" : "";
    }
    const std::string& line = lines[pick % lines.size()];
    return line.substr(0, cp932::safeCut(line, 255));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = bytesOf(data, size);
    TempProgramDir& folder = fuzzFolder();
    folder.write("UserFile/in.txt", bytes);
    std::filesystem::remove(folder.path("UserFile/out.txt"));
    const LineList fileLines = splitLines(bytes);

    Moves moves(bytes);
    FuzzDrill d(moves.next() % 4 == 0 ? 800 : 1280);
    Drill& drill = d.drill;
    Editor editor(drill);
    d.dialogs.files = {folder.path("UserFile/in.txt")};
    d.run([&] { editor.YomikomiClick(); });
    const LineList& list = drill.state.QuestionList;
    if (!list.empty() && (list != fileLines || bytes.size() > MaxSetFileBytes)) {
        fuzzFailure("the list opened is not the file's lines");
    }

    d.run([&] { editor.SpdBtnSakuClick(); });
    for (int step = 0; step < 8; ++step) {
        const unsigned m = moves.next();
        d.dialogs.inputs.clear();
        d.dialogs.answers.clear();
        d.dialogs.files.clear(); // every save dialog cancelled until the end
        for (int i = 0; i < 5; ++i) {
            d.dialogs.inputs.push_back(typed(fileLines, moves.next()));
        }
        d.dialogs.answers.push_back(m % 3 ? Answer::Yes : Answer::No);
        switch (m % 7) {
        case 0:
            d.run([&] { editor.HenkouClick(); });
            break;
        case 1:
            d.run([&] { editor.TuikaClick(); });
            break;
        case 2:
            d.run([&] { editor.SakujoClick(); });
            break;
        case 3:
            d.run([&] { editor.Button2Click(); });
            break;
        case 4:
            d.run([&] { drill.SpdBtnSusumeruClick(); });
            break;
        case 5:
            d.run([&] { drill.SpdBtnModoruClick(); });
            break;
        default:
            d.run([&] { editor.NewMondaiClick(); });
            break;
        }
        if (questionCount(list) > MaxQuestions) {
            fuzzFailure("the editor made a set of more than 32 questions");
        }
    }

    const LineList toSave = list;
    const std::size_t errors = d.dialogs.errors().size();
    d.dialogs.files = {folder.path("UserFile/out.txt")};
    d.run([&] { editor.HozonClick(); });
    if (folder.read("UserFile/in.txt") != bytes) {
        fuzzFailure("the file opened was changed");
    }
    if (toSave.size() >= 3 && d.dialogs.errors().size() == errors &&
        folder.readLines("UserFile/out.txt") != toSave) {
        fuzzFailure("the saved file does not read back as the list");
    }
    return 0;
}
