#pragma once
// The main window's drill record. Arrays are indexed from 1 as the drill
// counts questions and positions; slot 0 is unused.
//
// The pass (Passed, Queue, Position, QueueLength) belongs to the drill
// engine: only Drill writes it. Everyone else reads it through the accessors
// and changes it through the operations below, so a list edited under a
// running pass can never leave results on the wrong questions.

#include "line_list.h"
#include "question_list.h"
#include "surface_geometry.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

class Drill;

struct DrillState {
    std::int32_t CurrentBase = 2;
    std::filesystem::path CurrentFileName; // full path; empty when none
    std::int32_t MissInPass = 0;
    std::int32_t RightMarkX = 0;
    std::int32_t WrongMarkX = 0;
    std::int32_t TotalRight = 0;
    std::int32_t TotalWrong = 0;
    std::int32_t SecondsLeft = 20;
    std::int32_t TimeLimit = 20;
    // The catalogue entry that loaded the set, by name; core knows no more of it.
    std::optional<std::string> LoadedBy;
    std::int32_t StripDX = geometry::WideOffsets.stripDX;
    std::int32_t StripDY = geometry::WideOffsets.stripDY;
    std::int32_t MarkDX = geometry::WideOffsets.markDX;
    std::int32_t MarkDY = geometry::WideOffsets.markDY;
    std::int32_t PictureStep = 0;
    std::int32_t LastWrong = 0;
    std::int32_t TypedSinceJudge = 0;
    LineList QuestionList;
    LineList SettingsList;

    std::int32_t position() const { return Position; }
    std::int32_t queueLength() const { return QueueLength; }
    // The base line queued at position p, and whether question k is passed
    // (1) or not (0); p and k from 1 to MaxQuestions.
    std::int32_t queued(int p) const { return Queue.at(static_cast<std::size_t>(p)); }
    std::int32_t passed(int k) const { return Passed.at(static_cast<std::size_t>(k)); }
    // Advanced whenever the set is closed, so that a step which waited in a
    // box can tell whether the set it started on is still there.
    std::uint64_t generation() const { return generation_; }

    void clearPassed() { Passed.fill(0); }
    // Back to the first position of the queue, as at start-up.
    void rewind() { Position = 1; }
    // Inserts a question's four lines at line `base`. Results belong to
    // questions, not to numbers: the questions after it move up a number and
    // take their flags along; the new one is not passed.
    void insertQuestionAt(int base, const LineList& record);
    // Removes the question at line `base` (ListIndexError when there is none),
    // the flags of those after it moving down. When the last question went,
    // the position steps back (to 0 when it was the only one).
    void removeQuestionAt(int base);
    // Empties the list and forgets its file, results and position.
    void closeSet();

  private:
    friend class Drill;
    std::array<std::int32_t, MaxQuestions + 1> Passed{};
    std::array<std::int32_t, MaxQuestions + 1> Queue{};
    std::int32_t Position = 1;
    std::int32_t QueueLength = 0;
    std::uint64_t generation_ = 0;
};
