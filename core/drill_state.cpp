// The operations that change a pass from outside the drill engine.
#include "drill_state.h"

#include "errors.h"

#include <algorithm>

void DrillState::insertQuestionAt(int base, const LineList& record) {
    QuestionList.insert(QuestionList.begin() + base, record.begin(), record.end());
    const int k = questionNumberOf(base);
    for (int n = MaxQuestions; n > k; --n) {
        Passed[n] = Passed[n - 1];
    }
    Passed[k] = 0;
}

void DrillState::removeQuestionAt(int base) {
    if (base < 0 || static_cast<std::size_t>(base) + 3 >= QuestionList.size()) {
        throw ListIndexError(base + 3);
    }
    QuestionList.erase(QuestionList.begin() + base, QuestionList.begin() + base + 4);
    const int k = questionNumberOf(base);
    for (int n = std::max(k, 1); n < MaxQuestions; ++n) {
        Passed[n] = Passed[n + 1];
    }
    Passed[MaxQuestions] = 0;
    if (base >= static_cast<int>(QuestionList.size()) - 2) {
        --Position;
    }
}

void DrillState::closeSet() {
    QuestionList.clear();
    CurrentFileName.clear();
    clearPassed();
    Position = 1;
    ++generation_;
}
