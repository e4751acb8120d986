// A host kept in a host-root directory, with a lock per process and atomic,
// journalled replacement of the files a change touches.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <set>
#include <vector>

#include "Backends.h"

namespace SimHost {

using Kavrel::Lib::KavrelException;

namespace {

const char kLockFile[] = ".lock";
const char kJournal[] = ".journal";
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
    MakeDirectories(Parent(path));
    if (::mkdir(path.c_str(), 0755) != 0 && errno != EEXIST) {
        throw KavrelException("Cannot create directory " + path + ": " + ErrorText());
    }
}

void SyncDirectory(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

void WriteDurably(const std::string& path, const std::string& content, mode_t mode) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) throw KavrelException("Cannot write " + path + ": " + ErrorText());
    size_t written = 0;
    while (written < content.size()) {
        ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            std::string reason = ErrorText();
            ::close(fd);
            ::unlink(path.c_str());
            throw KavrelException("Cannot write " + path + ": " + reason);
        }
        written += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        std::string reason = ErrorText();
        ::unlink(path.c_str());
        throw KavrelException("Cannot write " + path + ": " + reason);
    }
}

bool ReadWhole(const std::string& path, std::string& content, int& error) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return false;
    }
    content.clear();
    // Sized once: growing by doubling would touch about twice the file's size
    // in fresh memory, which is what a big section costs most.
    struct stat info {};
    if (::fstat(fd, &info) == 0 && info.st_size > 0) content.reserve(static_cast<size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof(buffer));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            error = errno;
            ::close(fd);
            return false;
        }
        if (n == 0) break;
        content.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return true;
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
    const std::string marker = ".tmp.";
    size_t at = name.rfind(marker);
    if (at == std::string::npos || at == 0 || at + marker.size() == name.size()) return false;
    return name.find_first_not_of("0123456789", at + marker.size()) == std::string::npos;
}

// A process killed while it wrote its new files, before its journal existed,
// leaves them behind; the host never used them. Under the exclusive lock no
// other process is writing, so every such file but our own is one of those.
void RemoveStrayTemporaries(const std::string& directory, const std::string& ownSuffix) {
    for (const auto& name : EntryNames(directory)) {
        bool own = name.size() > ownSuffix.size() &&
                   name.compare(name.size() - ownSuffix.size(), ownSuffix.size(), ownSuffix) == 0;
        if (IsTemporaryName(name) && !own) ::unlink((directory + "/" + name).c_str());
    }
}

// The journal lists one change per line: "W <temporary> <final>" or "D <final>".
// Paths are relative to the root and never contain blanks or newlines.
std::string JournalLine(char kind, const std::string& a, const std::string& b = "") {
    return std::string(1, kind) + " " + a + (b.empty() ? "" : " " + b) + "\n";
}

class DirectoryBackend : public Backend {
public:
    explicit DirectoryBackend(std::string root) : root_(std::move(root)) {}
    ~DirectoryBackend() override {
        if (lockFd_ >= 0) ::close(lockFd_);
    }

    std::optional<std::string> ReadFile(const std::string& relativePath) override {
        Lock(false);
        std::string content;
        int error = 0;
        if (ReadWhole(Path(relativePath), content, error)) return content;
        if (error == ENOENT || error == ENOTDIR) return std::nullopt;
        throw KavrelException("Cannot read host state file " + Path(relativePath) + ": " + std::strerror(error));
    }

    void Commit(const std::map<std::string, std::optional<std::string>>& changes) override {
        Lock(true);
        ApplyDurably(changes, {});
        BumpGeneration();
    }

    std::string Describe(const std::string& relativePath) const override { return Path(relativePath); }
    std::string RootDirectory() const override { return root_; }

    void SetMayChange(bool mayChange) override { mayChange_ = mayChange; }

    bool Release() override {
        if (lockFd_ >= 0) ::close(lockFd_);
        lockFd_ = -1;
        mode_ = Mode::None;
        return true;
    }

private:
    enum class Mode { None, Shared, Exclusive };

    std::string Path(const std::string& relativePath) const { return root_ + "/" + relativePath; }

    void Lock(bool forWrite) {
        if (mode_ == Mode::Exclusive || (mode_ == Mode::Shared && !forWrite)) return;
        if (mode_ == Mode::Shared) {
            // A reader that turns out to write: only safe if nobody wrote meanwhile.
            Flock(LOCK_EX);
            mode_ = Mode::Exclusive;
            if (ReadGeneration() != generation_) {
                throw KavrelException("The host was changed by another command while this one ran; "
                                      "nothing was changed. Run the command again.");
            }
            return;
        }
        MakeDirectories(root_);
        lockFd_ = ::open(Path(kLockFile).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (lockFd_ < 0) throw KavrelException("Cannot open host lock " + Path(kLockFile) + ": " + ErrorText());
        bool exclusive = forWrite || mayChange_;
        if (!exclusive) {
            Flock(LOCK_SH);
            if (!NeedsRepair()) {
                mode_ = Mode::Shared;
                generation_ = ReadGeneration();
                return;
            }
        }
        Flock(LOCK_EX);
        Repair();
        if (!exclusive) Flock(LOCK_SH);
        mode_ = exclusive ? Mode::Exclusive : Mode::Shared;
        generation_ = ReadGeneration();
    }

    void Flock(int operation) {
        while (::flock(lockFd_, operation) != 0) {
            if (errno != EINTR) throw KavrelException("Cannot lock host root " + root_ + ": " + ErrorText());
        }
    }

    bool NeedsRepair() const {
        return Exists(Path(kJournal)) || !Exists(Path(kStateDirectory)) || Exists(Path(kInstalling));
    }

    // Finishes a change a crashed process left half done, and gives a new
    // host root its demo host. Runs under the exclusive lock.
    void Repair() {
        if (Exists(Path(kInstalling))) {
            // A first use that did not finish: the root held nothing before
            // it, so whatever is there now is part of the demo host. Start over.
            RemoveContents(root_);
        }
        std::string journal;
        int error = 0;
        if (ReadWhole(Path(kJournal), journal, error)) {
            ReplayJournal(journal);
            ::unlink(Path(kJournal).c_str());
            SyncDirectory(root_);
        }
        ::unlink(Path(kJournalTemporary).c_str());
        if (!Exists(Path(kStateDirectory)) && IsEmptyDirectory(root_)) InstallDemoHost();
        MakeDirectories(Path(kStateDirectory));
    }

    void ReplayJournal(const std::string& journal) {
        size_t start = 0;
        while (start < journal.size()) {
            size_t end = journal.find('\n', start);
            if (end == std::string::npos) break;
            std::string line = journal.substr(start, end - start);
            start = end + 1;
            if (line.size() < 3) continue;
            std::string rest = line.substr(2);
            if (line[0] == 'W') {
                size_t blank = rest.find(' ');
                if (blank == std::string::npos) continue;
                std::string temporary = Path(rest.substr(0, blank));
                std::string target = Path(rest.substr(blank + 1));
                if (Exists(temporary)) ::rename(temporary.c_str(), target.c_str());
            } else if (line[0] == 'D') {
                ::unlink(Path(rest).c_str());
            }
        }
    }

    // Removes everything under a directory but the lock file.
    void RemoveContents(const std::string& directory) {
        for (const auto& name : EntryNames(directory)) {
            if (directory == root_ && name == kLockFile) continue;
            const std::string path = directory + "/" + name;
            struct stat info {};
            if (::lstat(path.c_str(), &info) != 0) continue;
            if (S_ISDIR(info.st_mode)) {
                RemoveContents(path);
                ::rmdir(path.c_str());
            } else {
                ::unlink(path.c_str());
            }
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

    void ApplyDurably(const std::map<std::string, std::optional<std::string>>& changes,
                      const std::map<std::string, bool>& executable) {
        const std::string suffix = ".tmp." + std::to_string(::getpid());
        std::string journal;
        std::set<std::string> swept;
        for (const auto& change : changes) {
            if (change.first.find_first_of(" \n") != std::string::npos || change.first.find("..") != std::string::npos) {
                throw KavrelException("Refusing to write host file with an unsafe name: " + change.first);
            }
            const std::string directory = Parent(Path(change.first));
            if (swept.insert(directory).second) RemoveStrayTemporaries(directory, suffix);
            if (!change.second) {
                journal += JournalLine('D', change.first);
                continue;
            }
            MakeDirectories(Parent(Path(change.first)));
            auto isExecutable = executable.find(change.first);
            mode_t mode = isExecutable != executable.end() && isExecutable->second ? 0755 : 0644;
            WriteDurably(Path(change.first + suffix), *change.second, mode);
            journal += JournalLine('W', change.first + suffix, change.first);
        }
        if (changes.size() > 1) {
            WriteDurably(Path(kJournalTemporary), journal, 0644);
            if (::rename(Path(kJournalTemporary).c_str(), Path(kJournal).c_str()) != 0) {
                throw KavrelException("Cannot write host journal " + Path(kJournal) + ": " + ErrorText());
            }
            SyncDirectory(root_);
        }
        for (const auto& change : changes) {
            const std::string target = Path(change.first);
            if (!change.second) {
                ::unlink(target.c_str());
            } else if (::rename(Path(change.first + suffix).c_str(), target.c_str()) != 0) {
                throw KavrelException("Cannot replace " + target + ": " + ErrorText());
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
        if (::pread(lockFd_, &value, sizeof(value), 0) != static_cast<ssize_t>(sizeof(value))) return 0;
        return value;
    }

    void BumpGeneration() {
        generation_ = ReadGeneration() + 1;
        if (::pwrite(lockFd_, &generation_, sizeof(generation_), 0) != static_cast<ssize_t>(sizeof(generation_))) {
            // The counter only guards lock upgrades; a failed write is not fatal.
        }
    }

    std::string root_;
    int lockFd_ = -1;
    Mode mode_ = Mode::None;
    bool mayChange_ = true;
    uint64_t generation_ = 0;
};

}  // namespace

std::unique_ptr<Backend> MakeDirectoryBackend(const std::string& root) {
    return std::make_unique<DirectoryBackend>(root);
}

std::string DefaultHostRoot() {
    if (const char* root = std::getenv("TALIX_HOST_ROOT"); root && *root) return root;
    if (const char* state = std::getenv("XDG_STATE_HOME"); state && *state) return std::string(state) + "/talix/host";
    if (const char* home = std::getenv("HOME"); home && *home) return std::string(home) + "/.local/state/talix/host";
    return "/tmp/talix-host-" + std::to_string(::getuid());
}

}  // namespace SimHost
