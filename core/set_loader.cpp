#include "set_loader.h"

#include "errors.h"
#include "question_list.h"

LineList loadSetFile(const std::filesystem::path& path, const std::string& shownName) {
    LineList lines = readLineFile(path, shownName, MaxSetFileBytes);
    int count = questionCount(lines);
    if (count > MaxQuestions) {
        throw SetTooLargeError(shownName, count);
    }
    return lines;
}
