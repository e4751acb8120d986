// The two places a simulated host can live: a host-root directory, or memory.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "HostStore.h"

namespace SimHost {

// Files of the demo host, written into an empty host root on first use.
struct DemoFile {
    const char* path;
    const char* content;
    bool executable;
};
const std::vector<DemoFile>& DemoHostFiles();

// The largest host file that is read (sections, journal, etc/ files): a
// larger one is refused before any of it is read. Ten times the large-host
// benchmark's sections stay far below it.
constexpr uint64_t kMaxHostFileBytes = uint64_t{256} << 20;

// A host root directory. The first access takes a lock on the root for the
// rest of the process: shared for a process that only reads, exclusive for
// one that may change the host. Changes are replaced atomically (temporary
// file, fsync, rename); a change of several files goes through a journal so
// that a crash leaves either all old or all new files. Only regular files
// inside the root are read or replaced: a path that leads out of the root
// through a link, a link in place of a file, and a FIFO, device or socket are
// refused with the path named.
std::unique_ptr<Backend> MakeDirectoryBackend(const std::string& root);
// The same root for a process that only looks: it takes the shared lock of a
// root in use and creates, repairs and changes nothing (changes throw).
std::unique_ptr<Backend> MakeLookingDirectoryBackend(const std::string& root);
// True for a root that holds no host yet (missing, empty, or a first use that
// did not finish): its first use fills it with the demo host.
bool IsUnusedHostRoot(const std::string& root);

// Why a host file's path, relative to the root, is unsafe to use, or "" when
// it is a plain relative path (no "..", not absolute, no blank or control
// character, no empty part). Writes and journal replays check the same rule.
std::string UnsafeHostPathReason(const std::string& relativePath);

// A host in memory, for tests: path -> content.
class MemoryBackend : public Backend {
public:
    explicit MemoryBackend(std::map<std::string, std::string> files) : files_(std::move(files)) {}
    std::optional<std::string> ReadFile(const std::string& relativePath) override;
    void Commit(const std::map<std::string, std::optional<std::string>>& changes) override;
    std::string Describe(const std::string& relativePath) const override { return "memory:" + relativePath; }
    const std::map<std::string, std::string>& Files() const { return files_; }

private:
    std::map<std::string, std::string> files_;
};

// TALIX_HOST_ROOT, or the per-user default: $XDG_STATE_HOME/talix/host, or
// ~/.local/state/talix/host with ~ from HOME or else the caller's passwd
// entry (relative values are ignored). "" when there is no home to use.
std::string DefaultHostRoot();
// The directory backend of DefaultHostRoot(); it also checks the folders
// below the home (or state) directory that lead to the root, and refuses
// every access, with a sentence naming TALIX_HOST_ROOT, when there is no root.
// leaf: the root's own folder below talix/ when TALIX_HOST_ROOT is unset
// (another host's default root is a folder beside this one).
std::unique_ptr<Backend> MakeDefaultDirectoryBackend(const std::string& leaf = "host");

// Whether the caller named the host root (resolved) in TALIX_TRUSTED_ROOTS,
// a colon-separated list of host roots, or trusts every root with "*".
bool TrustedByCaller(const std::string& realRoot);

// A process that began a dry run writes nothing for the rest of its life:
// the latch is never cleared, and every write of the store and of the
// directory backend, and every host program, checks it.
void LatchDryRun();
bool DryRunLatched();
// Throws when the latch is set, naming what was about to be written.
void RefuseWriteInDryRun(const std::string& what);
// Only for EndDryRunForTesting (SimHostTesting.h).
void ClearDryRunLatch();

}  // namespace SimHost
