#include "file_writer.h"

#include "errors.h"
#include "platform_file.h"

#include <cstdlib>
#include <utility>

namespace fs = std::filesystem;

FileWriter::FaultHook& FileWriter::hook() {
    static FaultHook h;
    return h;
}

FileWriter::FaultHook FileWriter::setFaultHook(FaultHook h) {
    return std::exchange(hook(), std::move(h));
}

void FileWriter::writeLines(const fs::path& path, const LineList& lines,
                            const std::string& shownName) {
    writeBytes(path, joinLines(lines), shownName);
}

namespace {

const std::string TempMark = ".tmp-";

// A link is written through: the file it names is replaced, the link stays.
fs::path followLinks(fs::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec))) {
            return path;
        }
        fs::path to = fs::read_symlink(path, ec);
        if (ec) {
            return path;
        }
        path = to.is_absolute() ? to : path.parent_path() / to;
    }
    return path; // a loop: the probe below fails on it
}

} // namespace

void FileWriter::ignoreFileSizeSignal() {
    platform::ignoreFileSizeSignal();
}

void FileWriter::writeBytes(const fs::path& path, const std::string& bytes,
                            const std::string& shownName) {
    ignoreFileSizeSignal();
    if (hook() && !hook()(path)) {
        throw FileCreateError(shownName);
    }
    const fs::path target = followLinks(path);
    // Only a regular file is a target; an existing one keeps its
    // permissions and owner.
    const platform::Target was = platform::probe(target);
    if (was.kind == platform::Target::Kind::NotRegular) {
        throw FileOpenError(shownName);
    }
    if (was.kind == platform::Target::Kind::NotWritable) {
        throw FileCreateError(shownName);
    }
    fs::path temp = target;
    temp += TempMark + std::to_string(platform::currentProcess());
    if (!platform::replace(temp, target, bytes, was)) {
        throw FileCreateError(shownName);
    }
}

void FileWriter::removeStaleTemporaries(const std::vector<fs::path>& folders) {
    const long self = platform::currentProcess();
    for (const fs::path& folder : folders) {
        std::error_code ec;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            const size_t mark = name.rfind(TempMark);
            if (mark == std::string::npos || mark == 0) {
                continue;
            }
            const std::string digits = name.substr(mark + TempMark.size());
            if (digits.empty() || digits.size() > 9 ||
                digits.find_first_not_of("0123456789") != std::string::npos) {
                continue;
            }
            const long pid = std::atol(digits.c_str());
            std::error_code typeError;
            // Only a writer that is gone leaves its file for good; another
            // instance running now may still be about to rename its own.
            if (pid == self || !platform::processGone(pid) || !it->is_regular_file(typeError)) {
                continue;
            }
            fs::remove(it->path(), typeError);
        }
    }
}
