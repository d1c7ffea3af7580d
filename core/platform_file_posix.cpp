#include "platform_file.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

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

} // namespace

Target probe(const std::filesystem::path& target) {
    Target t;
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) {
        return t;
    }
    if (!S_ISREG(st.st_mode)) {
        t.kind = Target::Kind::NotRegular;
        return t;
    }
    // A rename needs only the folder to be writable, so the target itself
    // must open for writing.
    int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        t.kind = Target::Kind::NotWritable;
        return t;
    }
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    ::close(fd);
    t.kind = regular ? Target::Kind::Regular : Target::Kind::NotRegular;
    t.mode = st.st_mode & 07777;
    t.owner = static_cast<long>(st.st_uid);
    t.group = static_cast<long>(st.st_gid);
    return t;
}

bool replace(const std::filesystem::path& temp, const std::filesystem::path& target,
             const std::string& bytes, const Target& was) {
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    const bool existed = was.kind == Target::Kind::Regular;
    if (existed) {
        // Allowed for root, and for the owner when the group is one of
        // theirs; otherwise the file becomes the writer's, as any new file.
        [[maybe_unused]] int ignored =
            ::fchown(fd, static_cast<uid_t>(was.owner), static_cast<gid_t>(was.group));
    }
    // After fchown, which clears the set-id bits; and past the umask.
    bool ok = ::fchmod(fd, static_cast<mode_t>(was.mode)) == 0 || !existed;
    ok = ok && writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
    }
    return ok;
}

long currentProcess() {
    return static_cast<long>(::getpid());
}

bool processGone(long pid) {
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

void ignoreFileSizeSignal() {
    // Past a file-size limit (ulimit -f) a write would kill the program with
    // SIGXFSZ half-way through a finish; ignored, the write fails with EFBIG
    // as on a full disk: the message, the old file whole, no temporary file.
    static std::once_flag once;
    std::call_once(once, [] { std::signal(SIGXFSZ, SIG_IGN); });
}

} // namespace platform
