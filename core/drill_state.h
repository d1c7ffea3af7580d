#pragma once
// The main window's drill record. Arrays are indexed from 1 as the drill
// counts questions and positions; slot 0 is unused.

#include "line_list.h"
#include "question_list.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

struct DrillState {
    std::int32_t CurrentBase = 2;
    std::filesystem::path CurrentFileName; // full path; empty when none
    std::array<std::int32_t, MaxQuestions + 1> Passed{};
    std::array<std::int32_t, MaxQuestions + 1> Queue{};
    std::int32_t Position = 1;
    std::int32_t QueueLength = 0;
    std::int32_t MissInPass = 0;
    std::int32_t RightMarkX = 0;
    std::int32_t WrongMarkX = 0;
    std::int32_t TotalRight = 0;
    std::int32_t TotalWrong = 0;
    std::int32_t SecondsLeft = 20;
    std::int32_t TimeLimit = 20;
    // The catalogue entry that loaded the set, by name; core knows no more of it.
    std::optional<std::string> LoadedBy;
    std::int32_t StripDX = 0;
    std::int32_t StripDY = 57;
    std::int32_t MarkDX = -305;
    std::int32_t MarkDY = 355;
    std::int32_t PictureStep = 0;
    std::int32_t LastWrong = 0;
    std::int32_t TypedSinceJudge = 0;
    LineList QuestionList;
    LineList SettingsList;

    void clearPassed() { Passed.fill(0); }
};
