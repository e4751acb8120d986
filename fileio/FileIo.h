// Owned file descriptors and one bounded reader of whole files, for the
// framework and the simulated host alike.
#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <string>

namespace Talix {
namespace FileIo {

// A descriptor closed when its owner goes away. Close() is for the write
// paths, where the close's own error (a full disk over NFS) must be told.
class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd() { Reset(); }
    UniqueFd(UniqueFd&& other) noexcept : fd_(other.Release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int Get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }

    // Gives the descriptor up without closing it.
    int Release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
    // Closes what is held (its error ignored: nothing was written through
    // it, or the caller has reported worse) and holds fd instead.
    void Reset(int fd = -1) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }
    // Closes now: 0, or the errno of the close. Nothing is held afterwards,
    // whatever the outcome (a descriptor is gone even when close fails).
    int Close() {
        if (fd_ < 0) return 0;
        const int result = ::close(Release());
        return result == 0 ? 0 : errno;
    }

private:
    int fd_ = -1;
};

// Writes all of data to fd, through interruptions and short writes; false
// (with errno set) when the descriptor refuses.
inline bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

// What a whole-file read accepts.
struct ReadRules {
    size_t limit = 0;          // the most bytes accepted
    bool followLinks = false;  // else a symbolic link is refused as one
    bool pipes = false;        // a FIFO is accepted beside regular files
    // Else a FIFO is opened without waiting for a writer (and refused by
    // type); a FIFO that is accepted needs its reader to wait.
    bool blocking = false;
};

enum class ReadStatus {
    Read,
    Missing,     // the file or a folder on its path does not exist: error
    OpenFailed,  // error
    ReadFailed,  // error
    NotAllowed,  // a kind of file the rules refuse: mode (0 when it cannot be told)
    TooLarge,    // more than the limit: size
};

struct ReadOutcome {
    ReadStatus status = ReadStatus::Read;
    int error = 0;      // errno, for Missing, OpenFailed and ReadFailed
    mode_t mode = 0;    // the file's type bits, for NotAllowed (S_IFLNK for a link)
    uint64_t size = 0;  // for TooLarge: the size the file told, or what was read past the limit
    bool Ok() const { return status == ReadStatus::Read; }
};

// Reads the whole file at path into content, by the rules. Its kind and size
// are checked before it is opened (opening a device may act on it) and again
// on what was opened, which may have been swapped meanwhile; then at most
// limit + 1 bytes are read, enough to tell that it is too large. Never
// blocks on a FIFO or device the rules refuse.
ReadOutcome ReadFullFile(const std::string& path, const ReadRules& rules, std::string& content);

// Reads an open descriptor to its end, or up to limit + 1 bytes.
ReadOutcome ReadToEnd(int fd, size_t limit, std::string& content);

}  // namespace FileIo
}  // namespace Talix
