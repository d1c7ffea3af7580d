// Set files come from the catalogue folders and from the learner's UserFile
// folder, so any bytes may reach the loader and then the drill: a pass is
// begun, questions shown, answers judged right and wrong, hints and the
// navigation buttons used, until the set closes or the steps run out.
#include "errors.h"
#include "fuzz_support.h"
#include "integer_text.h"
#include "question_list.h"
#include "set_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = bytesOf(data, size);
    TempProgramDir& folder = fuzzFolder();
    folder.write("UserFile/set.txt", bytes);

    LineList lines;
    try {
        lines = loadSetFile(folder.path("UserFile/set.txt"), "set.txt");
    } catch (const SetTooLargeError&) {
        if (questionCount(splitLines(bytes)) <= MaxQuestions) {
            fuzzFailure("a set that fits was refused");
        }
        return 0;
    }
    if (questionCount(lines) > MaxQuestions) {
        fuzzFailure("a set of more than 32 questions was loaded");
    }

    Moves moves(bytes);
    FuzzDrill d(moves.next() % 4 == 0 ? 800 : 1280);
    Drill& drill = d.drill;
    for (int i = 0; i < 4; ++i) {
        d.dialogs.answers.push_back(moves.next() % 2 ? Answer::Yes : Answer::No);
    }
    d.run([&] {
        drill.CloseSet();
        drill.state.QuestionList = lines;
        drill.state.CurrentBase = 2;
        drill.BeginPass();
    });

    for (int step = 0; step < 160 && !drill.state.QuestionList.empty(); ++step) {
        const unsigned m = moves.next();
        switch (m % 10) {
        case 0: // a wrong answer, then Return to acknowledge it
            drill.form.Memo1.text = "?";
            d.run([&] { drill.SpdBtnkaitouClick(); });
            d.run([&] { drill.kotakesuClick(); });
            break;
        case 1:
            d.run([&] { drill.SpdBtnhintClick(); });
            break;
        case 2:
            d.run([&] { drill.SpdBtnSusumeruClick(); });
            break;
        case 3:
            d.run([&] { drill.SpdBtnModoruClick(); });
            break;
        case 4: // a second of the timers
            if (drill.form.Timer4Enabled) {
                d.run([&] { drill.Button8Click(); });
            }
            if (drill.form.Timer3Enabled) {
                d.run([&] { drill.Panel4Click(); });
            }
            break;
        default: { // the right answer, typed as the file holds it
            std::string answer;
            const long line = drill.state.CurrentBase + 3;
            if (line >= 0 && static_cast<size_t>(line) < drill.state.QuestionList.size()) {
                answer = splitAnswer(lineAt(drill.state.QuestionList, line)).answer;
            }
            drill.form.Memo1.text = answer;
            d.run([&] { drill.SpdBtnkaitouClick(); });
            if (drill.awaitingAcknowledgement()) {
                d.run([&] { drill.kotakesuClick(); });
            }
            break;
        }
        }
        if (drill.state.queueLength() < 0 || drill.state.queueLength() > MaxQuestions) {
            fuzzFailure("the queue outgrew the set");
        }
    }
    return 0;
}
