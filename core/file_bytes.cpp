#include "file_bytes.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

// Reads at most `want` bytes; with `refuseLonger` a file holding more is
// refused, also one that grows while it is read (files under /proc report
// size 0, so the size from fstat alone cannot tell).
std::optional<std::string> readRegular(const std::filesystem::path& path, std::size_t want,
                                       bool refuseLonger, std::uintmax_t* fileSize = nullptr) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return std::nullopt;
    }
    if (fileSize) {
        *fileSize = static_cast<std::uintmax_t>(st.st_size);
    }
    if (refuseLonger && static_cast<std::uintmax_t>(st.st_size) > want) {
        return std::nullopt;
    }
    std::string bytes;
    bytes.reserve(std::min<std::uintmax_t>(static_cast<std::uintmax_t>(st.st_size), want));
    char buffer[16384];
    while (true) {
        // One byte past the limit tells a file that grew past it.
        const std::size_t room = want - bytes.size();
        const std::size_t ask = refuseLonger
                                    ? std::min(sizeof buffer, room == NoSizeLimit ? room : room + 1)
                                    : std::min(sizeof buffer, room);
        if (ask == 0) {
            break;
        }
        const ssize_t got = ::read(fd.get(), buffer, ask);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return std::nullopt; // a failing disk
        }
        if (got == 0) {
            break;
        }
        if (static_cast<std::size_t>(got) > room) {
            return std::nullopt;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return bytes;
}

} // namespace

std::optional<std::string> readFileBytes(const std::filesystem::path& path, std::size_t maxSize) {
    return readRegular(path, maxSize, true);
}

std::optional<std::string> readFileHead(const std::filesystem::path& path, std::size_t count,
                                        std::uintmax_t* fileSize) {
    return readRegular(path, count, false, fileSize);
}
