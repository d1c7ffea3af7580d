#include "question_list.h"

#include "cp932.h"

int questionCount(const LineList& lines) {
    if (lines.size() <= 2) {
        return 0;
    }
    return static_cast<int>((lines.size() - 2) / 4);
}

AnswerSplit splitAnswer(const std::string& line) {
    auto hash = line.find('#');
    if (hash == std::string::npos) {
        return {line, std::nullopt};
    }
    std::string_view rest = std::string_view(line).substr(hash + 1);
    return {line.substr(0, hash), std::string(rest.substr(0, cp932::safeCut(rest, MaxHintBytes)))};
}
