#include "file_writer.h"

#include "errors.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

FileWriter::FaultHook& FileWriter::hook() {
    static FaultHook h;
    return h;
}

void FileWriter::setFaultHook(FaultHook h) {
    hook() = std::move(h);
}

void FileWriter::writeLines(const fs::path& path, const LineList& lines,
                            const std::string& shownName) {
    writeBytes(path, joinLines(lines), shownName);
}

namespace {

const std::string TempMark = ".tmp-";

bool writeAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

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
    // Past a file-size limit (ulimit -f) a write would kill the program with
    // SIGXFSZ half-way through a finish; ignored, the write fails with EFBIG
    // as on a full disk: the message, the old file whole, no temporary file.
    static std::once_flag once;
    std::call_once(once, [] { std::signal(SIGXFSZ, SIG_IGN); });
}

void FileWriter::writeBytes(const fs::path& path, const std::string& bytes,
                            const std::string& shownName) {
    ignoreFileSizeSignal();
    if (hook() && !hook()(path)) {
        throw FileCreateError(shownName);
    }
    const fs::path target = followLinks(path);
    // A rename needs only the folder to be writable, so first make sure the
    // target itself may be written, and keep its permissions and owner. Only
    // a regular file is a target: a device or a FIFO is never opened for
    // writing, and the probe does not block.
    mode_t mode = 0644;
    bool existed = false;
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) {
            throw FileOpenError(shownName);
        }
        int probe = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (probe < 0) {
            throw FileCreateError(shownName);
        }
        const bool regular = ::fstat(probe, &st) == 0 && S_ISREG(st.st_mode);
        ::close(probe);
        if (!regular) {
            throw FileOpenError(shownName);
        }
        mode = st.st_mode & 07777;
        existed = true;
    }
    fs::path temp = target;
    temp += TempMark + std::to_string(::getpid());
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        throw FileCreateError(shownName);
    }
    if (existed) {
        // Allowed for root, and for the owner when the group is one of
        // theirs; otherwise the file becomes the writer's, as any new file.
        [[maybe_unused]] int ignored = ::fchown(fd, st.st_uid, st.st_gid);
    }
    // After fchown, which clears the set-id bits; and past the umask.
    bool ok = ::fchmod(fd, mode) == 0 || !existed;
    ok = ok && writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        throw FileCreateError(shownName);
    }
}

void FileWriter::removeStaleTemporaries(const std::vector<fs::path>& folders) {
    const pid_t self = ::getpid();
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
            const pid_t pid = static_cast<pid_t>(std::atol(digits.c_str()));
            std::error_code typeError;
            // Only a writer that is gone leaves its file for good; another
            // instance running now may still be about to rename its own.
            if (pid <= 0 || pid == self || !(::kill(pid, 0) != 0 && errno == ESRCH) ||
                !it->is_regular_file(typeError)) {
                continue;
            }
            fs::remove(it->path(), typeError);
        }
    }
}
