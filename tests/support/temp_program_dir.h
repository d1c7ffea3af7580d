#pragma once
// A throw-away program folder holding small stub bitmaps under the names the
// drill opens, a settings file and an empty marks file.

#include "line_list.h"
#include "program_dir.h"

#include <filesystem>
#include <string>
#include <vector>

struct QuestionText {
    std::string line1, line2, line3, answer; // CP932
};

class TempProgramDir {
  public:
    TempProgramDir();
    ~TempProgramDir();
    TempProgramDir(const TempProgramDir&) = delete;
    TempProgramDir& operator=(const TempProgramDir&) = delete;

    const std::filesystem::path& root() const { return root_; }
    const ProgramDir& dir() const { return dir_; }
    std::filesystem::path path(const std::string& relative) const { return root_ / relative; }

    void write(const std::string& relative, const std::string& bytes) const;
    void writeLines(const std::string& relative, const LineList& lines) const;
    std::string read(const std::string& relative) const;
    LineList readLines(const std::string& relative) const;

  private:
    std::filesystem::path root_;
    ProgramDir dir_;
};

// A 24-bit BMP of the given size, one colour.
std::string stubBitmap(int width, int height);

// Default settings: 30 lines, every number valid; line 10 is black.
LineList defaultSettings();

// A set file's lines: title, instruction, then the questions.
LineList setLines(const std::string& title, const std::string& instruction,
                  const std::vector<QuestionText>& questions);
// n questions "question k" / "meaning k" / " " / "answerk".
LineList numberedSet(int n);
