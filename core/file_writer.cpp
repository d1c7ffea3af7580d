#include "file_writer.h"

#include "errors.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
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

void FileWriter::writeBytes(const fs::path& path, const std::string& bytes,
                            const std::string& shownName) {
    if (hook() && !hook()(path)) {
        throw FileCreateError(shownName);
    }
    // A rename needs only the folder to be writable, so first make sure the
    // target itself may be written, and keep its permissions.
    mode_t mode = 0644;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            throw FileCreateError(shownName);
        }
        int probe = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
        if (probe < 0) {
            throw FileCreateError(shownName);
        }
        ::close(probe);
        mode = st.st_mode & 07777;
    }
    fs::path temp = path;
    temp += ".tmp-" + std::to_string(::getpid());
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) {
        throw FileCreateError(shownName);
    }
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) {
        ::chmod(temp.c_str(), mode);
        ok = ::rename(temp.c_str(), path.c_str()) == 0;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        throw FileCreateError(shownName);
    }
}
