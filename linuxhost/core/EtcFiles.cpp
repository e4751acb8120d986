// Files under /etc.
#include "core/EtcFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "FileIo.h"
#include "core/Changes.h"
#include "kavrel/Lib.h"

namespace LinuxHost {

using Kavrel::Lib::KavrelException;
using Talix::FileIo::UniqueFd;

namespace {

// A resolver or hosts file larger than this is not one.
constexpr size_t kMaxEtcFileSize = 1 << 20;

[[noreturn]] void CannotWrite(const std::string& path, int error) {
    throw KavrelException("Cannot write " + path + ": " + std::strerror(error));
}

void WriteAllAndSync(int fd, const std::string& path, const std::string& content) {
    if (!Talix::FileIo::WriteAll(fd, content.data(), content.size()) || fsync(fd) != 0) CannotWrite(path, errno);
}

void WriteInPlace(const std::string& path, const std::string& content) {
    UniqueFd file(open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    if (!file) CannotWrite(path, errno);
    WriteAllAndSync(file.Get(), path, content);
    if (const int error = file.Close()) CannotWrite(path, error);
}

void WriteByRename(const std::string& path, const std::string& content, mode_t mode) {
    std::string temporary = path + ".talix-XXXXXX";
    UniqueFd file(mkostemp(temporary.data(), O_CLOEXEC));
    if (!file) CannotWrite(path, errno);
    fchmod(file.Get(), mode & 07777);
    try {
        WriteAllAndSync(file.Get(), path, content);
        if (const int error = file.Close()) CannotWrite(path, error);
    } catch (...) {
        unlink(temporary.c_str());
        throw;
    }
    if (rename(temporary.c_str(), path.c_str()) == 0) return;
    const int error = errno;
    unlink(temporary.c_str());
    if (error != EBUSY) CannotWrite(path, error);
    WriteInPlace(path, content);  // a mount point: only its content can change
}

}  // namespace

std::string EtcPath(const std::string& relative) {
    const char* prefix = std::getenv("TALIX_LINUX_ETC");
    return std::string(prefix && *prefix ? prefix : "/etc") + "/" + relative;
}

std::string ReadEtcFile(const std::string& path) {
    Talix::FileIo::ReadRules rules;
    rules.limit = kMaxEtcFileSize;
    rules.followLinks = true;
    std::string content;
    const auto outcome = Talix::FileIo::ReadFullFile(path, rules, content);
    if (outcome.status == Talix::FileIo::ReadStatus::Missing) return "";
    if (outcome.status == Talix::FileIo::ReadStatus::TooLarge) {
        throw KavrelException(path + " is larger than " + std::to_string(kMaxEtcFileSize) + " bytes");
    }
    if (outcome.status == Talix::FileIo::ReadStatus::NotAllowed) throw KavrelException(path + " is not a regular file");
    if (!outcome.Ok()) throw KavrelException("Cannot read " + path + ": " + std::strerror(outcome.error));
    return content;
}

bool EtcFileExists(const std::string& path) {
    struct stat status {};
    return lstat(path.c_str(), &status) == 0;
}

void MakeEtcFolders(const std::string& relative) {
    std::string below;
    for (size_t start = 0; start < relative.size();) {
        size_t end = relative.find('/', start);
        if (end == std::string::npos) end = relative.size();
        below += (below.empty() ? "" : "/") + relative.substr(start, end - start);
        start = end + 1;
        const std::string path = EtcPath(below);
        struct stat status {};
        if (stat(path.c_str(), &status) == 0) {
            if (!S_ISDIR(status.st_mode)) throw KavrelException(path + " is not a folder");
            continue;
        }
        if (errno != ENOENT) throw KavrelException("Cannot read " + path + ": " + std::strerror(errno));
        Change("create folder " + path,
               [&] {
                   if (mkdir(path.c_str(), 0755) != 0) {
                       throw KavrelException("Cannot create folder " + path + ": " + std::strerror(errno));
                   }
               },
               {"remove folder " + path, [path] {
                    if (rmdir(path.c_str()) != 0 && errno != ENOENT) {
                        throw KavrelException("Cannot remove folder " + path + ": " + std::strerror(errno));
                    }
                }});
    }
}

void WriteEtcFile(const std::string& path, const std::string& content, const std::string& what) {
    struct stat status {};
    const bool exists = lstat(path.c_str(), &status) == 0;
    if (exists && S_ISLNK(status.st_mode)) {
        throw KavrelException(path +
                              " is a symbolic link: another program (a resolver daemon) manages it; change it "
                              "there");
    }
    if (exists && !S_ISREG(status.st_mode)) throw KavrelException(path + " is not a regular file");
    const mode_t mode = exists ? status.st_mode : static_cast<mode_t>(0644);
    Undo undo;
    if (!Planning()) {
        if (exists) {
            // Read whole before the write, so that the way back restores every byte.
            undo.plan = "write " + path + ": its previous content";
            undo.run = [path, previous = ReadEtcFile(path), mode] { WriteByRename(path, previous, mode); };
        } else {
            undo.plan = "remove " + path;
            undo.run = [path] {
                if (unlink(path.c_str()) != 0 && errno != ENOENT) {
                    throw KavrelException("Cannot remove " + path + ": " + std::strerror(errno));
                }
            };
        }
    }
    Change(
        "write " + path + ": " + what, [&] { WriteByRename(path, content, mode); }, std::move(undo));
}

}  // namespace LinuxHost
