#pragma once
// The folder beside the executable that holds every data file. Names come in
// the catalogue's backslash form ("jhgram\Tango01.txt"); a name that does not
// match exactly falls back to a case-insensitive match of each component.

#include <filesystem>
#include <string>

class ProgramDir {
  public:
    explicit ProgramDir(std::filesystem::path root);

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path resolve(const std::string& backslashName) const;
    std::filesystem::path userFileDir() const { return root_ / "UserFile"; }

    // The folder holding the running executable.
    static std::filesystem::path ofExecutable();

  private:
    std::filesystem::path root_;
};
