#pragma once
// Editor mode: the learner writes and changes sets inside the main window and
// keeps them as user files. The set under edit is always the drill's question
// list, so every question entered is at once a drill question.
//
// The editor talks to the learner only through the Dialogs port. While one of
// its boxes is open a timer tick may still run the judge, move to another
// question or even end the pass and close the set, so every handler looks at
// the drill state again after each box instead of trusting what it read
// before.
//
// Files are opened by full path under the program folder, never relative to
// the process working directory, so the steps that set the working directory
// back after a dialog have nothing to do here.

#include "drill.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

class Editor {
  public:
    explicit Editor(Drill& drill);

    // Enters editor mode, or leaves it when it is on.
    void SpdBtnSakuClick();

    // A new set, question by question; then the offer to save.
    void NewMondaiClick();
    // Title and instruction of the current set.
    void Button2Click();

    // Questions after the one on screen (or at the end); then the offer to save.
    void TuikaClick();
    // The four lines of the question on screen; then the offer to save.
    void HenkouClick();
    // Removes the question on screen; not saved by itself.
    void SakujoClick();

    // Closes the current set and opens a user file as the new drill.
    void YomikomiClick();
    // Offers the save dialog when the list has at least `minimumLines` lines
    // and writes the list to the chosen file.
    void SaveUserFile(int minimumLines);
    void HozonClick();

    static constexpr const char* UserFileCaption = "ぽとらん for TOEIC   ユーザーファイル";
    // The 33rd question is refused before its first box opens.
    static constexpr const char* SetFullMessage =
        "１つの問題集は32問までです。これ以上問題を追加できません。";
    // A timer tick ended the pass and closed the set while a box was open.
    static constexpr const char* SetClosedMessage =
        "入力中に問題集が閉じられたため、入力した内容は問題集に入れられませんでした。";

  private:
    enum class Asked { Complete, Ended, SetClosed };
    // Asks one question box by box, captions `stem` + "１" to "４", showing
    // each line as it comes; `number` goes into Bangodisp before the first box
    // or, with `numberAfterFirst`, after it. Complete once the answer box was
    // answered (the answer may be empty); the record is then in `record`.
    Asked askQuestion(const std::string& stem, int number, bool numberAfterFirst, LineList& record);
    std::string input(const std::string& caption, const std::string& prompt,
                      const std::string& initial = {});
    // A prefilled line longer than the box holds comes back cut; taken back
    // unchanged it keeps its tail.
    static std::string keptWhole(const std::string& original, const std::string& result);
    void createQuestions();
    // True (after telling the learner) when the set was closed while a box
    // was open, `generation` being the state's generation before it opened.
    bool setClosedSince(std::uint64_t generation);
    bool setIsFull() const;
    // Focus back to typing, or to the acknowledgement when a timeout judged
    // wrongly while a box was open.
    void focusAnswer();
    void saveStep(int minimumLines);
    std::filesystem::path userFileDir() const;
    void makeUserFileDir() const;

    Drill& drill_;
};
