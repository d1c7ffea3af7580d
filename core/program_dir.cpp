#include "program_dir.h"

#include <algorithm>
#include <cctype>

namespace fs = std::filesystem;

ProgramDir::ProgramDir(fs::path root) : installRoot_(root), learnerRoot_(std::move(root)) {}

ProgramDir::ProgramDir(fs::path installRoot, fs::path learnerRoot)
    : installRoot_(std::move(installRoot)), learnerRoot_(std::move(learnerRoot)) {}

namespace {

bool equalsIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool isLearnerName(const std::string& name) {
    const std::string first = name.substr(0, name.find_first_of("\\/"));
    for (const char* learner : {"font.txt", "checked.txt", "UserFile"}) {
        if (equalsIgnoringCase(first, learner)) {
            return true;
        }
    }
    return false;
}

} // namespace

fs::path ProgramDir::resolve(const std::string& name) const {
    fs::path current = isLearnerName(name) ? learnerRoot_ : installRoot_;
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = name.find_first_of("\\/", start);
        if (end == std::string::npos) {
            end = name.size();
        }
        std::string part = name.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".") {
            continue;
        }
        fs::path exact = current / part;
        std::error_code ec;
        if (!fs::exists(exact, ec) && fs::is_directory(current, ec)) {
            for (const auto& entry : fs::directory_iterator(current, ec)) {
                if (equalsIgnoringCase(entry.path().filename().string(), part)) {
                    exact = entry.path();
                    break;
                }
            }
        }
        current = exact;
    }
    return current;
}

ProgramDir ProgramDir::locate(const fs::path& installRoot, const char* xdgDataHome,
                              const char* home) {
    std::error_code ec;
    if (!fs::exists(installRoot / LearnerFilesInHomeMarker, ec)) {
        return ProgramDir(installRoot);
    }
    // A relative XDG_DATA_HOME is invalid and ignored, as the XDG rules say.
    fs::path dataHome;
    if (xdgDataHome && fs::path(xdgDataHome).is_absolute()) {
        dataHome = xdgDataHome;
    } else if (home && *home) {
        dataHome = fs::path(home) / ".local" / "share";
    } else {
        return ProgramDir(installRoot);
    }
    const fs::path learner = dataHome / "potoran";
    if (fs::symlink_status(learner, ec).type() == fs::file_type::not_found) {
        // Seeded in a sibling and renamed, so a start cut short never leaves
        // a folder without its settings; a failed seed leaves nothing, and the
        // missing font.txt is then reported as usual.
        const fs::path partial = dataHome / ".potoran.partial";
        fs::remove_all(partial, ec);
        fs::create_directories(partial, ec);
        for (const char* name : {"font.txt", "checked.txt"}) {
            fs::copy_file(installRoot / name, partial / name, ec);
            fs::permissions(partial / name, fs::perms::owner_read | fs::perms::owner_write,
                            fs::perm_options::add, ec);
        }
        fs::rename(partial, learner, ec);
        if (ec) {
            fs::remove_all(partial, ec);
        }
    }
    return ProgramDir(installRoot, learner);
}
