// Shared pieces of the robustness tests: the reduced or full form, snapshots
// of a host root, and isolated runs that survive a crash or a hang.
#pragma once

#include <sys/types.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace TalixRobustness {

// TALIX_FULL_ROBUSTNESS=1 selects the full form; otherwise the reduced form
// that the normal suite runs in seconds.
bool FullForm();
// Picks the reduced or the full count.
int Scaled(int reduced, int full);

// Every regular file under a host root by relative path, with its bytes; the
// lock file (which only holds a change counter) is left out.
using HostFiles = std::map<std::string, std::string>;
HostFiles Snapshot(const std::string& root);
// The same without what a killed writer may leave behind: its temporary files
// ("<file>.tmp.<pid>", ".journal.tmp"). They are never read as state.
HostFiles WithoutLeftovers(const HostFiles& files);
bool IsLeftover(const std::string& relativePath);
// Makes the host root hold exactly these files again (the lock file stays).
void Restore(const std::string& root, const HostFiles& files);
// Copies every file of a host root (lock file excepted) into an empty directory.
void CopyHost(const std::string& from, const std::string& to);
// One line per file that differs, is missing or is extra; "" when equal.
std::string Difference(const HostFiles& before, const HostFiles& after);

// What one isolated run did.
struct IsolatedResult {
    bool crashed = false;  // ended by a signal
    int signal = 0;
    bool hung = false;  // killed after the time limit
    int status = -1;    // exit status when it returned
    std::string out;
    std::string err;
};

// Runs body in a forked child with its output captured; body returns the
// exit status. The child is killed after timeoutMs.
IsolatedResult RunIsolated(const std::function<int(std::string& out, std::string& err)>& body, int timeoutMs);

// Starts talixcli with the given arguments on a host root, output discarded.
pid_t SpawnTalixcli(const std::vector<std::string>& args, const std::string& hostRoot);

// Shows a value short and printable for failure messages.
std::string Printable(const std::string& value, size_t limit = 80);

}  // namespace TalixRobustness
