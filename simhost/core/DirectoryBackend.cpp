// A host kept in a host-root directory, with a lock per process and atomic,
// journalled replacement of the files a change touches.
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <set>
#include <sstream>
#include <vector>

#include "Backends.h"
#include "FileIo.h"

namespace SimHost {

using Kavrel::Lib::KavrelException;
using Talix::FileIo::UniqueFd;

namespace {

const char kLockFile[] = ".lock";
const char kJournal[] = ".journal";
// A new file is written beside its target as <target>.tmp.<pid> first.
const char kTemporaryMarker[] = ".tmp.";
const char kJournalTemporary[] = ".journal.tmp";
const char kStateDirectory[] = "state";
// Present while the demo host is being written into a new host root.
const char kInstalling[] = ".installing";

std::string ErrorText() { return std::strerror(errno); }

std::string Parent(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

bool Exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

void MakeDirectories(const std::string& path) {
    if (path.empty() || Exists(path)) return;
    RefuseWriteInDryRun("create the directory " + path);
    MakeDirectories(Parent(path));
    if (::mkdir(path.c_str(), 0755) != 0 && errno != EEXIST) {
        throw KavrelException("Cannot create directory " + path + ": " + ErrorText());
    }
}

void SyncDirectory(const std::string& path) {
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd) ::fsync(fd.Get());
}

// Writes a new file; whatever stood at the path before (a link planted there,
// a leftover of a killed process with the same id) is replaced, not followed.
void WriteDurably(const std::string& path, const std::string& content, mode_t mode) {
    RefuseWriteInDryRun("write " + path);
    ::unlink(path.c_str());
    UniqueFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
    if (!fd) throw KavrelException("Cannot write " + path + ": " + ErrorText());
    int error = 0;
    if (!Talix::FileIo::WriteAll(fd.Get(), content.data(), content.size()) || ::fsync(fd.Get()) != 0) error = errno;
    // The close's own error counts too: a write may only fail when it is flushed.
    const int closeError = fd.Close();
    if (error == 0) error = closeError;
    if (error != 0) {
        ::unlink(path.c_str());
        throw KavrelException("Cannot write " + path + ": " + std::strerror(error));
    }
}

// What a file that is not a regular one is, for messages.
std::string KindOf(mode_t mode) {
    if (S_ISLNK(mode)) return "a symbolic link";
    if (S_ISDIR(mode)) return "a directory";
    if (S_ISFIFO(mode)) return "a FIFO";
    if (S_ISSOCK(mode)) return "a socket";
    if (S_ISCHR(mode)) return "a character device";
    if (S_ISBLK(mode)) return "a block device";
    if (S_ISREG(mode)) return "a regular file";
    return "of an unknown kind";
}

std::string NotRegular(mode_t mode) { return "it is " + KindOf(mode) + ", not a regular file"; }

std::string TooLarge(uint64_t size) {
    return "it holds " + std::to_string(size) + " bytes, more than the limit of " + std::to_string(kMaxHostFileBytes) +
           " (256 MiB)";
}

// Reads a host file that must be a regular file of at most kMaxHostFileBytes.
// Nothing blocks: a link is not followed and a FIFO or device is refused.
// Returns false (and errno in error) when the file does not exist; throws
// with the path for everything else.
bool ReadHostFile(const std::string& path, std::string& content, int& error) {
    using Talix::FileIo::ReadStatus;
    const std::string refusal = "Cannot read host state file " + path + ": ";
    Talix::FileIo::ReadRules rules;
    rules.limit = kMaxHostFileBytes;
    const auto outcome = Talix::FileIo::ReadFullFile(path, rules, content);
    error = outcome.error;
    switch (outcome.status) {
    case ReadStatus::Read: return true;
    case ReadStatus::Missing: return false;
    case ReadStatus::NotAllowed: throw KavrelException(refusal + NotRegular(outcome.mode));
    case ReadStatus::TooLarge: throw KavrelException(refusal + TooLarge(outcome.size));
    case ReadStatus::OpenFailed:
    case ReadStatus::ReadFailed: break;
    }
    throw KavrelException(refusal + std::strerror(outcome.error));
}

// The names in a directory, without "." and ".."; none when it cannot be read.
std::vector<std::string> EntryNames(const std::string& directory) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(directory.c_str());
    if (!dir) return names;
    while (dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(std::move(name));
    }
    ::closedir(dir);
    return names;
}

bool IsEmptyDirectory(const std::string& path) {
    DIR* dir = ::opendir(path.c_str());
    if (!dir) return true;
    bool empty = true;
    while (dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != ".." && name != kLockFile) {
            empty = false;
            break;
        }
    }
    ::closedir(dir);
    return empty;
}

// "<name>.tmp.<pid>": a file a change writes before renaming it into place.
bool IsTemporaryName(const std::string& name) {
    const size_t at = name.rfind(kTemporaryMarker);
    if (at == std::string::npos || at == 0) return false;
    const size_t number = at + sizeof kTemporaryMarker - 1;
    return number < name.size() && name.find_first_not_of("0123456789", number) == std::string::npos;
}

// Whether a change writing `target` names its new file `temporary`: the
// target's own path, the marker and a process number, as ApplyDurably writes it.
bool IsTemporaryOf(const std::string& temporary, const std::string& target) {
    return temporary.compare(0, target.size(), target) == 0 && temporary.rfind(kTemporaryMarker) == target.size() &&
           IsTemporaryName(temporary);
}

// A process killed while it wrote its new files, before its journal existed,
// leaves them behind; the host never used them. Under the exclusive lock no
// other process is writing, so every such file but our own is one of those.
void RemoveStrayTemporaries(const std::string& directory, const std::string& ownSuffix) {
    RefuseWriteInDryRun("remove files from " + directory);
    for (const auto& name : EntryNames(directory)) {
        bool own = name.size() > ownSuffix.size() &&
                   name.compare(name.size() - ownSuffix.size(), ownSuffix.size(), ownSuffix) == 0;
        if (IsTemporaryName(name) && !own) ::unlink((directory + "/" + name).c_str());
    }
}

// The journal lists one change per line: "W <temporary> <final>" or "D <final>".
// Paths are relative to the root and pass UnsafeHostPathReason, so they
// never contain blanks or newlines.
std::string JournalLine(char kind, const std::string& a, const std::string& b = "") {
    return std::string(1, kind) + " " + a + (b.empty() ? "" : " " + b) + "\n";
}

struct JournalStep {
    char kind;              // 'W' or 'D'
    std::string temporary;  // W only
    std::string target;
};

// A file's attributes that make replacing or removing it fail although its
// directory is writable: immutable, append-only, or a mount point of its own.
// Empty when none, or when the file does not exist.
std::string ReplacementBlocker(const std::string& path) {
    struct statx info {};
    if (::statx(AT_FDCWD, path.c_str(), AT_SYMLINK_NOFOLLOW, STATX_TYPE, &info) != 0) return "";
    if (S_ISDIR(info.stx_mode)) return "it is a directory";
    const uint64_t known = info.stx_attributes_mask;
    if ((known & STATX_ATTR_IMMUTABLE) && (info.stx_attributes & STATX_ATTR_IMMUTABLE)) return "it is immutable";
    if ((known & STATX_ATTR_APPEND) && (info.stx_attributes & STATX_ATTR_APPEND)) return "it is append-only";
#ifdef STATX_ATTR_MOUNT_ROOT
    if ((known & STATX_ATTR_MOUNT_ROOT) && (info.stx_attributes & STATX_ATTR_MOUNT_ROOT)) return "it is a mount point";
#endif
    return "";
}

// Raised while finishing a journal; becomes the one message every command
// gets until the change can be completed.
class UnfinishedChange : public KavrelException {
public:
    UnfinishedChange(const std::string& journal, const std::string& why)
        : KavrelException("The host root has an unfinished change that cannot be completed: journal " + journal + " " +
                          why + ". Every command is refused until the change can be completed.") {}
};

// Why a folder is not to be used: another user than the caller and root owns
// it, or group or others may write it, so that someone else could choose
// what the host holds. which names the folder in the sentence ("it", "its
// folder F"); "" when neither.
std::string OwnershipReason(const struct stat& info, const std::string& which) {
    if (info.st_uid != ::geteuid() && info.st_uid != 0) {
        return (which == "it" ? "it is" : which + " is") + " owned by user " + std::to_string(info.st_uid) +
               ", not by you or root.";
    }
    if (info.st_mode & (S_IWGRP | S_IWOTH)) {
        char mode[8];
        std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(info.st_mode & 07777));
        return "group or others may write " + which + " (mode " + mode + ").";
    }
    return "";
}

// The rule for a host root, or a folder leading to it.
std::string OwnershipProblem(const std::string& root, const std::string& folder, const struct stat& info) {
    const std::string reason = OwnershipReason(info, folder == root ? "it" : "its folder " + folder);
    return reason.empty() ? "" : "Refusing host root " + root + ": " + reason;
}

// The same rule for a directory inside the root: one that someone else could
// change lets them swap its entries for links between our check and our use.
std::string InnerFolderProblem(const std::string& path, const struct stat& info) {
    const std::string reason = OwnershipReason(info, "it");
    return reason.empty() ? "" : "Refusing host path " + path + ": " + reason;
}

// Removes everything in a directory, through descriptors that never follow a
// link: an entry swapped for a link meanwhile is removed itself, and nothing
// it leads to is touched. keep names an entry to leave in place.
void RemoveContentsAt(int directory, const char* keep) {
    UniqueFd listing(::dup(directory));
    if (!listing) return;
    DIR* dir = ::fdopendir(listing.Get());
    if (!dir) return;
    listing.Release();  // the listing owns it now
    std::vector<std::string> names;
    while (dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != ".." && !(keep && name == keep)) names.push_back(std::move(name));
    }
    ::closedir(dir);
    for (const auto& name : names) {
        UniqueFd child(::openat(directory, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (child) {
            RemoveContentsAt(child.Get(), nullptr);
            child.Reset();
            ::unlinkat(directory, name.c_str(), AT_REMOVEDIR);  // fails on a link swapped in meanwhile
        } else {
            ::unlinkat(directory, name.c_str(), 0);
        }
    }
}

class DirectoryBackend : public Backend {
public:
    // folders: the tool's own folders on the way to a default root, checked
    // as the root is; refusal: why there is no root.
    DirectoryBackend(std::string root, bool lookOnly, std::vector<std::string> folders = {}, std::string refusal = "")
        : root_(std::move(root)), lookOnly_(lookOnly), folders_(std::move(folders)), refusal_(std::move(refusal)) {}

    std::optional<std::string> ReadFile(const std::string& relativePath) override {
        Lock(false);
        if (std::string why = UnsafeHostPathReason(relativePath); !why.empty()) {
            throw KavrelException("Refusing to read host file with an unsafe name: " + relativePath + " (" + why + ")");
        }
        if (usingDemo_) {
            auto file = demo_.find(relativePath);
            if (file == demo_.end()) return std::nullopt;
            return std::string(file->second);
        }
        if (!DirectoryInside(Parent(relativePath), false)) return std::nullopt;
        std::string content;
        int error = 0;
        if (ReadHostFile(Path(relativePath), content, error)) return content;
        return std::nullopt;
    }

    void Commit(const std::map<std::string, std::optional<std::string>>& changes) override {
        RefuseWriteInDryRun("write host files in " + root_);
        Lock(true);
        // A file that would keep its content is not written again (nor is the
        // generation bumped when none changes): a change that changes nothing
        // writes nothing.
        std::set<std::string> unchanged;
        for (const auto& change : changes) {
            if (SameAsNow(change.first, change.second)) unchanged.insert(change.first);
        }
        if (unchanged.size() == changes.size()) return;
        if (unchanged.empty()) {
            ApplyDurably(changes, {});
        } else {
            std::map<std::string, std::optional<std::string>> changed;
            for (const auto& change : changes) {
                if (!unchanged.count(change.first)) changed.insert(change);
            }
            ApplyDurably(changed, {});
        }
        BumpGeneration();
    }

    std::string Describe(const std::string& relativePath) const override { return Path(relativePath); }
    std::string RootDirectory() const override { return root_; }

    void SetMayChange(bool mayChange) override { mayChange_ = mayChange; }

    bool Release() override {
        lockFd_.Reset();
        mode_ = Mode::None;
        usingDemo_ = false;
        demo_.clear();
        return true;
    }

private:
    enum class Mode { None, Shared, Exclusive };

    std::string Path(const std::string& relativePath) const {
        return relativePath == "." ? root_ : root_ + "/" + relativePath;
    }

    void Lock(bool forWrite) {
        if (lookOnly_ || DryRunLatched()) return LockToLook(forWrite);
        if (mode_ == Mode::Exclusive || (mode_ == Mode::Shared && !forWrite)) return;
        if (mode_ == Mode::Shared) {
            // A reader that turns out to write: only safe if nobody wrote
            // meanwhile. Its lock may be open for reading only, so it is
            // opened again, for writing.
            lockFd_.Reset();
            mode_ = Mode::None;
            OpenLockFile(LockAccess::Create);
            Flock(LOCK_EX);
            mode_ = Mode::Exclusive;
            if (ReadGeneration() != generation_) {
                throw KavrelException(
                    "The host was changed by another command while this one ran; "
                    "nothing was changed. Run the command again.");
            }
            return;
        }
        CheckRoot();
        const bool exclusive = forWrite || mayChange_;
        try {
            // A reader needs only read access: the shared lock is taken on a
            // lock file opened for reading, and nothing is created for it
            // unless the root needs a first use or a repair.
            if (!exclusive && OpenLockFile(LockAccess::Read)) {
                Flock(LOCK_SH);
                if (!NeedsRepair()) {
                    mode_ = Mode::Shared;
                    generation_ = ReadGeneration();
                    return;
                }
                lockFd_.Reset();
            }
            MakeDirectories(root_);
            CheckRoot();  // as made
            OpenLockFile(LockAccess::Create);
            Flock(LOCK_EX);
            Repair();
            if (!exclusive) Flock(LOCK_SH);
            mode_ = exclusive ? Mode::Exclusive : Mode::Shared;
            generation_ = ReadGeneration();
        } catch (...) {
            // Unlocked again: the next access starts over and is refused the same way.
            lockFd_.Reset();
            checkedDirectories_.clear();
            throw;
        }
    }

    // Refuses a root, and a folder leading to it that this tool makes, that
    // another user owns or that group or others may write, before anything
    // in it is read or made: whoever can change it chooses what the host
    // holds. A root the caller trusts by name (TALIX_TRUSTED_ROOTS) passes.
    // One that does not exist yet passes: it is made with the caller's owner.
    void CheckRoot() const {
        if (!refusal_.empty()) throw KavrelException(refusal_);
        std::vector<std::string> folders = folders_;
        folders.push_back(root_);
        for (const auto& folder : folders) {
            struct stat info {};
            if (::stat(folder.c_str(), &info) != 0) continue;
            std::string problem = OwnershipProblem(root_, folder, info);
            if (problem.empty()) continue;
            char resolved[PATH_MAX];
            if (::realpath(root_.c_str(), resolved) && TrustedByCaller(resolved)) return;
            throw KavrelException(problem);
        }
    }

    enum class LockAccess { Read, Create };

    // The lock file is never reached through a link (a reader would create,
    // and a writer write, its target) and must be a regular file. Read opens
    // it for reading, and returns false when there is none; Create opens it
    // for writing and makes it when missing.
    bool OpenLockFile(LockAccess access) {
        const std::string path = Path(kLockFile);
        if (access == LockAccess::Create) RefuseWriteInDryRun("create the host lock " + path);
        const int flags = access == LockAccess::Read ? O_RDONLY : O_RDWR | O_CREAT;
        lockFd_.Reset(::open(path.c_str(), flags | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0644));
        if (!lockFd_) {
            if (access == LockAccess::Read && (errno == ENOENT || errno == ENOTDIR)) return false;
            std::string reason = errno == ELOOP ? NotRegular(S_IFLNK) : ErrorText();
            throw KavrelException("Cannot open host lock " + path + ": " + reason);
        }
        struct stat info {};
        if (::fstat(lockFd_.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
            lockFd_.Reset();
            // Opened for reading, a directory gets as far as this; told as when opened to write.
            const std::string reason = S_ISDIR(info.st_mode) ? std::strerror(EISDIR) : NotRegular(info.st_mode);
            throw KavrelException("Cannot open host lock " + path + ": " + reason);
        }
        if (!ResolveRoot()) {
            std::string reason = ErrorText();
            lockFd_.Reset();
            throw KavrelException("Cannot open host root " + root_ + ": " + reason);
        }
        return true;
    }

    bool ResolveRoot() {
        char resolved[PATH_MAX];
        if (!::realpath(root_.c_str(), resolved)) return false;
        realRoot_ = resolved;
        return true;
    }

    // A process that only looks (shell completion, a dry run) shares the lock
    // of a root in use and neither creates, repairs nor changes anything. A
    // root not used yet is read as the demo host it would be filled with, and
    // one without a lock file is read without waiting for anyone.
    void LockToLook(bool forWrite) {
        if (forWrite) {
            RefuseWriteInDryRun("write host files in " + root_);
            throw KavrelException("Cannot change host root " + root_ + " while only looking at it");
        }
        if (mode_ != Mode::None) return;
        CheckRoot();
        if (IsUnusedHostRoot(root_)) {
            for (const auto& file : DemoHostFiles()) demo_[file.path] = file.content;
            usingDemo_ = true;
            mode_ = Mode::Shared;
            return;
        }
        if (!OpenLockFile(LockAccess::Read)) {
            if (!ResolveRoot()) throw KavrelException("Cannot open host root " + root_ + ": " + ErrorText());
            mode_ = Mode::Shared;
            generation_ = 0;
            return;
        }
        Flock(LOCK_SH);
        if (Exists(Path(kJournal))) {
            lockFd_.Reset();
            throw KavrelException("Host root " + root_ + " needs a command to finish a change first");
        }
        mode_ = Mode::Shared;
        generation_ = ReadGeneration();
    }

    void Flock(int operation) {
        while (::flock(lockFd_.Get(), operation) != 0) {
            if (errno != EINTR) throw KavrelException("Cannot lock host root " + root_ + ": " + ErrorText());
        }
    }

    // Whether a directory of the root (relative; "." for the root itself)
    // exists as a directory inside the root, made when create is set. A part
    // that is a link must resolve inside the root; one that leads out is
    // refused with its path, so nothing outside the root is read or written.
    bool DirectoryInside(const std::string& relativeDirectory, bool create) {
        if (relativeDirectory == "." || checkedDirectories_.count(relativeDirectory)) return true;
        std::string prefix;
        size_t start = 0;
        while (start <= relativeDirectory.size()) {
            size_t slash = relativeDirectory.find('/', start);
            if (slash == std::string::npos) slash = relativeDirectory.size();
            prefix = relativeDirectory.substr(0, slash);
            start = slash + 1;
            if (checkedDirectories_.count(prefix)) continue;
            const std::string path = Path(prefix);
            struct stat info {};
            if (::lstat(path.c_str(), &info) != 0) {
                if (!create) return false;
                RefuseWriteInDryRun("create the directory " + path);
                if (::mkdir(path.c_str(), 0755) != 0 && errno != EEXIST) {
                    throw KavrelException("Cannot create directory " + path + ": " + ErrorText());
                }
                if (::lstat(path.c_str(), &info) != 0) {
                    throw KavrelException("Cannot create directory " + path + ": " + ErrorText());
                }
            }
            if (S_ISLNK(info.st_mode)) {
                char resolved[PATH_MAX];
                if (!::realpath(path.c_str(), resolved)) {
                    if (!create && (errno == ENOENT || errno == ENOTDIR)) return false;
                    throw KavrelException("Refusing host path " + path + ": it is a link that cannot be resolved (" +
                                          ErrorText() + ")");
                }
                const std::string target = resolved;
                if (target != realRoot_ && target.compare(0, realRoot_.size() + 1, realRoot_ + "/") != 0) {
                    throw KavrelException("Refusing host path " + path + ": it leads out of the host root to " +
                                          target);
                }
                if (::stat(path.c_str(), &info) != 0) return false;
            }
            if (!S_ISDIR(info.st_mode)) {
                if (!create) return false;
                throw KavrelException("Cannot create directory " + path + ": it is " + KindOf(info.st_mode) +
                                      ", not a directory");
            }
            if (std::string problem = InnerFolderProblem(path, info); !problem.empty() && !TrustedByCaller(realRoot_)) {
                throw KavrelException(problem);
            }
            checkedDirectories_.insert(prefix);
        }
        return true;
    }

    bool NeedsRepair() const {
        return Exists(Path(kJournal)) || !Exists(Path(kStateDirectory)) || Exists(Path(kInstalling));
    }

    // Finishes a change a crashed process left half done, and gives a new
    // host root its demo host. Runs under the exclusive lock.
    void Repair() {
        RefuseWriteInDryRun("finish a change in " + root_);
        if (Exists(Path(kInstalling))) {
            // A first use that did not finish: the root held nothing before
            // it, so whatever is there now is part of the demo host. Start over.
            RemoveContents();
            checkedDirectories_.clear();
        }
        std::string journal;
        int error = 0;
        bool hasJournal = false;
        try {
            hasJournal = ReadHostFile(Path(kJournal), journal, error);
        } catch (const KavrelException& failure) {
            throw UnfinishedChange(Path(kJournal), "cannot be read (" + failure.GetDescription() + ")");
        }
        if (hasJournal) {
            ReplayJournal(journal);
            // Only a journal whose every step is done is removed.
            ::unlink(Path(kJournal).c_str());
            SyncDirectory(root_);
        }
        ::unlink(Path(kJournalTemporary).c_str());
        if (!Exists(Path(kStateDirectory)) && IsEmptyDirectory(root_)) InstallDemoHost();
        DirectoryInside(kStateDirectory, true);
    }

    // Every line is checked before any is carried out, by the same rule the
    // writer applied: a journal naming a path it could never have written
    // (outside the root, absolute, with "..") is refused as a whole.
    std::vector<JournalStep> ParseJournal(const std::string& journal) {
        std::vector<JournalStep> steps;
        size_t start = 0;
        while (start < journal.size()) {
            size_t end = journal.find('\n', start);
            const std::string line = journal.substr(start, end == std::string::npos ? std::string::npos : end - start);
            start = end == std::string::npos ? journal.size() : end + 1;
            JournalStep step{line.empty() ? '\0' : line[0], "", ""};
            const std::string rest = line.size() > 2 && line[1] == ' ' ? line.substr(2) : "";
            const size_t blank = rest.find(' ');
            if (step.kind == 'W' && blank != std::string::npos) {
                step.temporary = rest.substr(0, blank);
                step.target = rest.substr(blank + 1);
            } else if (step.kind == 'D' && !rest.empty()) {
                step.target = rest;
            } else {
                throw UnfinishedChange(Path(kJournal), "holds a line that is not a change: " + Printable(line));
            }
            for (const std::string* path : {&step.target, &step.temporary}) {
                if (path->empty()) continue;
                std::string why = UnsafeHostPathReason(*path);
                if (why.empty() && path == &step.temporary && !IsTemporaryOf(*path, step.target)) {
                    why = "not a temporary file of " + step.target;
                }
                if (!why.empty()) {
                    throw UnfinishedChange(Path(kJournal),
                                           "names the unsafe path " + Printable(*path) + " (" + why + ")");
                }
                try {
                    DirectoryInside(Parent(*path), false);
                } catch (const KavrelException& failure) {
                    throw UnfinishedChange(
                        Path(kJournal), "names the path " + *path + ", which is refused: " + failure.GetDescription());
                }
            }
            steps.push_back(std::move(step));
        }
        return steps;
    }

    void ReplayJournal(const std::string& journal) {
        for (const auto& step : ParseJournal(journal)) {
            const std::string target = Path(step.target);
            if (step.kind == 'W') {
                const std::string temporary = Path(step.temporary);
                struct stat info {};
                if (::lstat(temporary.c_str(), &info) != 0) continue;  // renamed before the crash
                if (::rename(temporary.c_str(), target.c_str()) != 0) {
                    throw UnfinishedChange(Path(kJournal), "cannot replace " + target + ": " + ErrorText());
                }
            } else if (::unlink(target.c_str()) != 0 && errno != ENOENT) {
                throw UnfinishedChange(Path(kJournal), "cannot remove " + target + ": " + ErrorText());
            }
            SyncDirectory(Parent(target));
        }
    }

    static std::string Printable(const std::string& text) {
        std::string shown;
        for (unsigned char c : text.substr(0, 200)) {
            if (c < 0x20 || c == 0x7f) {
                const char* digits = "0123456789abcdef";
                shown += std::string("\\x") + digits[c >> 4] + digits[c & 15];
            } else {
                shown += static_cast<char>(c);
            }
        }
        return text.size() > 200 ? shown + "..." : shown;
    }

    // Removes everything in the root but the lock file.
    void RemoveContents() {
        UniqueFd root(::open(root_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (!root) throw KavrelException("Cannot open host root " + root_ + ": " + ErrorText());
        RemoveContentsAt(root.Get(), kLockFile);
    }

    // Whether a file already holds the content a change gives it (no
    // content: the file does not exist).
    bool SameAsNow(const std::string& relativePath, const std::optional<std::string>& content) {
        if (!UnsafeHostPathReason(relativePath).empty()) return false;
        if (!DirectoryInside(Parent(relativePath), false)) return !content;
        struct stat info {};
        if (::lstat(Path(relativePath).c_str(), &info) != 0) return !content && errno == ENOENT;
        if (!content || !S_ISREG(info.st_mode) || static_cast<uint64_t>(info.st_size) != content->size()) return false;
        std::string now;
        int error = 0;
        try {
            return ReadHostFile(Path(relativePath), now, error) && now == *content;
        } catch (const KavrelException&) {
            return false;  // written, and refused there with its reason
        }
    }

    void InstallDemoHost() {
        WriteDurably(Path(kInstalling), "", 0644);
        SyncDirectory(root_);
        std::map<std::string, std::optional<std::string>> files;
        std::map<std::string, bool> executable;
        for (const auto& file : DemoHostFiles()) {
            files[file.path] = std::string(file.content);
            executable[file.path] = file.executable;
        }
        ApplyDurably(files, executable);
        ::unlink(Path(kInstalling).c_str());
        SyncDirectory(root_);
    }

    // The commit protocol. Until the commit point every failure leaves the
    // host as it was (the new files are removed again); after it the change
    // is the host's, and the command reports success. The commit point is the
    // rename of the one new file, or, for several files, the rename of the
    // journal into place. Before it, every target is checked for what would
    // make its replacement fail (a directory, an immutable or append-only
    // file, a mount point). Should a replacement still fail after the commit
    // point, the journal stays and every later command finishes the change
    // first, or is refused while it cannot.
    void ApplyDurably(const std::map<std::string, std::optional<std::string>>& changes,
                      const std::map<std::string, bool>& executable) {
        for (const auto& change : changes) {
            if (std::string why = UnsafeHostPathReason(change.first); !why.empty()) {
                throw KavrelException("Refusing to write host file with an unsafe name: " + change.first);
            }
        }
        const std::string suffix = kTemporaryMarker + std::to_string(::getpid());
        std::vector<std::string> written;
        auto removeWritten = [&]() {
            for (const auto& path : written) ::unlink(path.c_str());
        };
        std::string journal;
        try {
            std::set<std::string> swept;
            for (const auto& change : changes) {
                const std::string directory = Parent(change.first);
                DirectoryInside(directory, change.second.has_value());
                if (swept.insert(directory).second) RemoveStrayTemporaries(Path(directory), suffix);
                const std::string target = Path(change.first);
                if (std::string blocker = ReplacementBlocker(target); !blocker.empty()) {
                    throw KavrelException("Cannot replace " + target + ": " + blocker);
                }
                if (!change.second) {
                    journal += JournalLine('D', change.first);
                    continue;
                }
                auto isExecutable = executable.find(change.first);
                mode_t mode = isExecutable != executable.end() && isExecutable->second ? 0755 : 0644;
                const std::string temporary = Path(change.first + suffix);
                written.push_back(temporary);
                WriteDurably(temporary, *change.second, mode);
                journal += JournalLine('W', change.first + suffix, change.first);
            }
            if (changes.size() > 1) {
                written.push_back(Path(kJournalTemporary));
                WriteDurably(Path(kJournalTemporary), journal, 0644);
                if (::rename(Path(kJournalTemporary).c_str(), Path(kJournal).c_str()) != 0) {
                    throw KavrelException("Cannot write host journal " + Path(kJournal) + ": " + ErrorText());
                }
                SyncDirectory(root_);
            }
        } catch (...) {
            removeWritten();
            throw;
        }
        for (const auto& change : changes) {
            const std::string target = Path(change.first);
            bool done = change.second ? ::rename(Path(change.first + suffix).c_str(), target.c_str()) == 0
                                      : ::unlink(target.c_str()) == 0 || errno == ENOENT;
            if (!done) {
                if (changes.size() > 1) return;  // committed: the journal finishes it
                std::string reason = ErrorText();
                removeWritten();
                throw KavrelException("Cannot replace " + target + ": " + reason);
            }
            SyncDirectory(Parent(target));
        }
        if (changes.size() > 1) {
            ::unlink(Path(kJournal).c_str());
            SyncDirectory(root_);
        }
    }

    // A counter in the lock file tells a reader that upgrades whether anyone wrote.
    uint64_t ReadGeneration() const {
        uint64_t value = 0;
        if (::pread(lockFd_.Get(), &value, sizeof(value), 0) != static_cast<ssize_t>(sizeof(value))) return 0;
        return value;
    }

    void BumpGeneration() {
        RefuseWriteInDryRun("change the host lock of " + root_);
        generation_ = ReadGeneration() + 1;
        if (::pwrite(lockFd_.Get(), &generation_, sizeof(generation_), 0) !=
            static_cast<ssize_t>(sizeof(generation_))) {
            // The counter only guards lock upgrades; a failed write is not fatal.
        }
    }

    std::string root_;
    bool lookOnly_ = false;
    std::vector<std::string> folders_;
    std::string refusal_;
    std::string realRoot_;
    // A root not used yet, read by a process that only looks: the demo host.
    bool usingDemo_ = false;
    std::map<std::string, const char*> demo_;
    UniqueFd lockFd_;
    Mode mode_ = Mode::None;
    bool mayChange_ = true;
    uint64_t generation_ = 0;
    // Directories (relative) already found to be inside the root; under the
    // lock they stay so.
    std::set<std::string> checkedDirectories_;
};

}  // namespace

std::string UnsafeHostPathReason(const std::string& path) {
    if (path.empty()) return "empty";
    if (path[0] == '/') return "absolute";
    if (path.find("..") != std::string::npos) return "contains ..";
    for (unsigned char c : path) {
        if (c <= ' ' || c == 0x7f) return "contains a blank or control character";
    }
    if (path.back() == '/' || path.find("//") != std::string::npos) return "has an empty part";
    if (path == "." || path.compare(0, 2, "./") == 0 || path.find("/./") != std::string::npos ||
        (path.size() >= 2 && path.compare(path.size() - 2, 2, "/.") == 0)) {
        return "has a . part";
    }
    return "";
}

std::unique_ptr<Backend> MakeDirectoryBackend(const std::string& root) {
    return std::make_unique<DirectoryBackend>(root, false);
}

std::unique_ptr<Backend> MakeLookingDirectoryBackend(const std::string& root) {
    return std::make_unique<DirectoryBackend>(root, true);
}

bool IsUnusedHostRoot(const std::string& root) {
    if (Exists(root + "/" + kInstalling)) return true;  // a first use that did not finish
    return !Exists(root + "/" + kStateDirectory) && IsEmptyDirectory(root);
}

namespace {

// The default root and the tool's folder that leads to it (talix/, below
// the state directory); the home from HOME, else from the caller's passwd entry. Only
// absolute values count (a relative one would name another root in every
// working directory). root is "" when there is no home.
struct DefaultRoot {
    std::string root;
    std::vector<std::string> folders;
};

std::string Absolute(const char* value) { return value && value[0] == '/' ? value : ""; }

DefaultRoot FindDefaultRoot(const std::string& leaf = "host") {
    DefaultRoot found;
    std::string base = Absolute(std::getenv("XDG_STATE_HOME"));
    std::vector<std::string> parts = {"talix", leaf};
    if (base.empty()) {
        base = Absolute(std::getenv("HOME"));
        if (base.empty()) {
            if (const passwd* entry = ::getpwuid(::getuid())) base = Absolute(entry->pw_dir);
        }
        if (base.empty()) return found;
        parts = {".local", "state", "talix", leaf};
    }
    while (base.size() > 1 && base.back() == '/') base.pop_back();
    found.root = base;
    for (const auto& part : parts) {
        found.root += "/" + part;
        // The tool's own folder; those above it are the user's business.
        if (part == "talix") found.folders.push_back(found.root);
    }
    return found;
}

}  // namespace

std::string DefaultHostRoot() {
    if (const char* root = std::getenv("TALIX_HOST_ROOT"); root && *root) return root;
    return FindDefaultRoot().root;
}

std::unique_ptr<Backend> MakeDefaultDirectoryBackend(const std::string& leaf) {
    if (const char* root = std::getenv("TALIX_HOST_ROOT"); root && *root) return MakeDirectoryBackend(root);
    DefaultRoot found = FindDefaultRoot(leaf);
    std::string refusal;
    if (found.root.empty()) {
        refusal =
            "Cannot find a host root: neither HOME nor your user's entry names a home directory, so set "
            "TALIX_HOST_ROOT to a directory of your own.";
    }
    return std::make_unique<DirectoryBackend>(found.root, false, found.folders, refusal);
}

bool TrustedByCaller(const std::string& realRoot) {
    const char* list = std::getenv("TALIX_TRUSTED_ROOTS");
    if (!list) return false;
    std::istringstream entries(list);
    std::string entry;
    while (std::getline(entries, entry, ':')) {
        if (entry == "*") return true;
        char resolved[PATH_MAX];
        if (!entry.empty() && ::realpath(entry.c_str(), resolved) && realRoot == resolved) return true;
    }
    return false;
}

}  // namespace SimHost
