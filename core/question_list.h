#pragma once
// Line arithmetic of a question set: line 0 title, line 1 instruction, then
// four lines per question (three question lines, the answer line).

#include "line_list.h"

#include <optional>
#include <string>

constexpr int MaxQuestions = 32;
constexpr size_t MaxHintBytes = 200;

// (line count - 2) div 4 above 2 lines, else 0.
int questionCount(const LineList& lines);
// A file of 3 to 5 lines holds a title but no whole question: it starts no drill.
inline bool hasQuestion(const LineList& lines) {
    return questionCount(lines) >= 1;
}
constexpr int baseLineOf(int k) {
    return 4 * k - 2;
}
constexpr int questionNumberOf(int base) {
    return (base + 1) / 4 + 1;
}

struct AnswerSplit {
    std::string answer;
    std::optional<std::string> hint; // at most 200 bytes, never splitting a character
};

// Bytes before the first '#' are the answer; after it, the hint.
AnswerSplit splitAnswer(const std::string& answerLine);
