// The bounded whole-file reader.
#include "FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>

namespace Talix {
namespace FileIo {

namespace {

bool IsMissing(int error) { return error == ENOENT || error == ENOTDIR; }

ReadOutcome Failure(ReadStatus status, int error) {
    ReadOutcome outcome;
    outcome.status = status;
    outcome.error = error;
    return outcome;
}

ReadOutcome OpenFailure() { return Failure(IsMissing(errno) ? ReadStatus::Missing : ReadStatus::OpenFailed, errno); }

// The refusal for a file of this status, if the rules refuse it.
bool Refused(const struct stat& info, const ReadRules& rules, ReadOutcome& outcome) {
    if (!S_ISREG(info.st_mode) && !(rules.pipes && S_ISFIFO(info.st_mode))) {
        outcome.status = ReadStatus::NotAllowed;
        outcome.mode = info.st_mode & S_IFMT;
        return true;
    }
    if (S_ISREG(info.st_mode) && static_cast<uint64_t>(info.st_size) > rules.limit) {
        outcome.status = ReadStatus::TooLarge;
        outcome.size = static_cast<uint64_t>(info.st_size);
        return true;
    }
    return false;
}

}  // namespace

ReadOutcome ReadToEnd(int fd, size_t limit, std::string& content) {
    char buffer[65536];
    size_t wanted = limit + 1;  // one byte more tells that it is too large
    while (wanted > 0) {
        const ssize_t n = ::read(fd, buffer, std::min(sizeof(buffer), wanted));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Failure(ReadStatus::ReadFailed, errno);
        if (n == 0) break;
        content.append(buffer, static_cast<size_t>(n));
        wanted -= static_cast<size_t>(n);
    }
    ReadOutcome outcome;
    if (content.size() > limit) {
        outcome.status = ReadStatus::TooLarge;
        outcome.size = content.size();
    }
    return outcome;
}

ReadOutcome ReadFullFile(const std::string& path, const ReadRules& rules, std::string& content) {
    content.clear();
    ReadOutcome outcome;
    struct stat info {};
    const int checked = rules.followLinks ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info);
    if (checked != 0) return OpenFailure();
    if (Refused(info, rules, outcome)) return outcome;
    int flags = O_RDONLY | O_CLOEXEC | O_NOCTTY;
    if (!rules.followLinks) flags |= O_NOFOLLOW;
    if (!rules.blocking) flags |= O_NONBLOCK;
    UniqueFd fd(::open(path.c_str(), flags));
    if (!fd) {
        if (errno == ELOOP && !rules.followLinks) {
            outcome.status = ReadStatus::NotAllowed;
            outcome.mode = S_IFLNK;
            return outcome;
        }
        return OpenFailure();
    }
    if (::fstat(fd.Get(), &info) != 0) info.st_mode = 0;  // told as a file of no known kind
    if (Refused(info, rules, outcome)) return outcome;
    // Sized once: growing by doubling would touch about twice the file's size
    // in fresh memory, which is what a big file costs most.
    if (S_ISREG(info.st_mode) && info.st_size > 0) content.reserve(static_cast<size_t>(info.st_size));
    outcome = ReadToEnd(fd.Get(), rules.limit, content);
    if (outcome.status == ReadStatus::TooLarge) {
        outcome.size = std::max(outcome.size, static_cast<uint64_t>(info.st_size));
    }
    return outcome;
}

}  // namespace FileIo
}  // namespace Talix
