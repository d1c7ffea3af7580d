#pragma once
// Where every data file lives. The install root holds what the program ships
// (sets, pictures, sounds, the manual) and is only read; the learner's root
// holds font.txt, checked.txt and UserFile/. A build or a portable copy has
// both in one folder; the installed program keeps the learner's files under
// $XDG_DATA_HOME/potoran. Names come in the catalogue's backslash form
// ("jhgram\Tango01.txt"); a name that does not match exactly falls back to a
// case-insensitive match of each component.

#include <filesystem>
#include <string>

class ProgramDir {
  public:
    // Both roots in one folder.
    ProgramDir(std::filesystem::path root);
    ProgramDir(std::filesystem::path installRoot, std::filesystem::path learnerRoot);

    const std::filesystem::path& installRoot() const { return installRoot_; }
    const std::filesystem::path& learnerRoot() const { return learnerRoot_; }
    std::filesystem::path resolve(const std::string& backslashName) const;
    std::filesystem::path userFileDir() const { return resolve("UserFile"); }

    // The program installed in `installRoot`. An installed program (one whose
    // folder holds the marker below) keeps the learner's files under
    // `xdgDataHome`/potoran, or ~/.local/share/potoran when that is unset or
    // not absolute; the first start creates that folder and copies the
    // installed font.txt and checked.txt into it, once. Either may be null.
    static ProgramDir locate(const std::filesystem::path& installRoot, const char* xdgDataHome,
                             const char* home);
    static constexpr const char* LearnerFilesInHomeMarker = "learner-files-in-home";

  private:
    std::filesystem::path installRoot_;
    std::filesystem::path learnerRoot_;
};
