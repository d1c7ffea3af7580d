// The two steps a learner waits for most often: choosing a set (loading it
// and showing its first question) and judging a typed answer. Both run the
// real handlers on a temporary program folder with scripted dialogs.

#include "catalogue.h"
#include "catalogue_table.h"
#include "integer_text.h"
#include "question_list.h"
#include "scripted_dialogs.h"
#include "temp_program_dir.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

const char* const EntryHandler = "K12Click";

struct Bench {
    TempProgramDir folder;
    ScriptedDialogs dialogs;
    RecordingSounds sounds;
    FixedScreen screen;
    Drill drill{folder.dir(), dialogs, sounds, screen};
    Catalogue catalogue{drill};

    Bench() {
        // The entry's real set file, where the catalogue looks for it.
        const MenuItem& entry = *findByHandler(EntryHandler).item;
        std::string relative = entry.file;
        for (char& c : relative) {
            c = c == '\\' ? '/' : c;
        }
        std::ifstream in(std::string(POTORAN_DATA_SOURCE) + "/" + relative, std::ios::binary);
        if (!in) {
            throw std::runtime_error("set file missing: " + relative);
        }
        folder.write(relative, std::string(std::istreambuf_iterator<char>(in), {}));
        run([&] { catalogue.FormCreate(); });
    }

    void run(const std::function<void()>& handler) { drill.dispatcher().run(handler); }
    void choose() {
        run([&] { catalogue.menuClick(EntryHandler); });
    }
    std::string currentAnswer() const {
        return splitAnswer(lineAt(drill.state.QuestionList, drill.state.CurrentBase + 3)).answer;
    }
    void check(benchmark::State& state) const {
        if (!dialogs.errors().empty()) {
            state.SkipWithError(dialogs.errors().front().c_str());
        }
    }
};

void LoadSetAndShowFirstQuestion(benchmark::State& state) {
    Bench b;
    for (auto _ : state) {
        b.choose();
        benchmark::DoNotOptimize(b.drill.form.tangodisp.text.data());
    }
    if (b.drill.form.Bangodisp.text != "1") {
        state.SkipWithError("the first question is not shown");
    }
    b.check(state);
}
BENCHMARK(LoadSetAndShowFirstQuestion);

// A right answer, typed and confirmed with Return: judged, marked, counted,
// and the next question shown.
void JudgeRightAnswer(benchmark::State& state) {
    Bench b;
    b.choose();
    const int before = b.drill.state.TotalRight;
    long judged = 0;
    for (auto _ : state) {
        // The last question would complete the set and write a mark: start
        // over before it, outside the timing.
        if (b.drill.state.position() >= b.drill.state.queueLength()) {
            state.PauseTiming();
            b.choose();
            state.ResumeTiming();
        }
        b.drill.form.Memo1.text = b.currentAnswer();
        b.run([&] { b.drill.Memo1KeyPress("\r"); });
        ++judged;
    }
    if (b.drill.state.TotalRight - before != judged) {
        state.SkipWithError("an answer was not judged right");
    }
    b.check(state);
}
BENCHMARK(JudgeRightAnswer);

// A wrong answer and the Return that acknowledges it.
void JudgeWrongAnswer(benchmark::State& state) {
    Bench b;
    b.choose();
    long judged = 0;
    for (auto _ : state) {
        // Too many misses bring up a box: start over well before that.
        if (judged % 60 == 59) {
            state.PauseTiming();
            b.choose();
            state.ResumeTiming();
        }
        b.drill.form.Memo1.text = "wrong";
        b.run([&] {
            b.drill.Memo1KeyPress("\r");
            b.drill.kotakesuClick();
        });
        ++judged;
    }
    if (b.drill.state.TotalWrong == 0 || b.drill.state.TotalRight != 0) {
        state.SkipWithError("the wrong answers were not judged wrong");
    }
    b.check(state);
}
BENCHMARK(JudgeWrongAnswer);

} // namespace

BENCHMARK_MAIN();
