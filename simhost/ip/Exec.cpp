// Running the host's own programs: inside the host root, without a shell.
#include <climits>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/Backends.h"
#include "core/Faults.h"
#include "core/HostStore.h"
#include "kavrel/Lib.h"
#include "lmxctl/Util.h"

extern char** environ;

namespace LmxCtl {
namespace Util {

namespace {

constexpr int kNotFound = 127;
constexpr int kCannotRun = 126;

std::vector<std::string> Words(const std::string& command) {
    std::istringstream stream(command);
    std::vector<std::string> words;
    std::string word;
    while (stream >> word) words.push_back(word);
    return words;
}

// The program's path relative to the host root, or "" when it would leave it.
std::string InsideRoot(const std::string& program) {
    std::string relative = program;
    while (!relative.empty() && relative[0] == '/') relative.erase(0, 1);
    std::istringstream parts(relative);
    std::string part;
    while (std::getline(parts, part, '/')) {
        if (part == "..") return "";
    }
    return relative;
}

std::string RealPath(const std::string& path) {
    char buffer[PATH_MAX];
    if (!::realpath(path.c_str(), buffer)) return "";
    return buffer;
}

const char kTrustedRootsVariable[] = "TALIX_TRUSTED_ROOTS";

// Why a file or directory that talixcli would run a program through is not
// trusted, or "": it must belong to the caller or to root, and be writable
// by its owner alone. Otherwise someone else could choose what runs with the
// caller's rights.
std::string Distrust(const struct stat& info) {
    const uid_t caller = ::geteuid();
    if (info.st_uid != caller && info.st_uid != 0) {
        return "is owned by user " + std::to_string(info.st_uid) + ", neither the caller (user " +
               std::to_string(caller) + ") nor root";
    }
    if (info.st_mode & (S_IWGRP | S_IWOTH)) return "is writable by group or others";
    return "";
}

// A program runs only from a trusted host root: the root, every directory
// from it down to the program, and the program itself pass Distrust, unless
// the caller trusts the root explicitly. Both paths are resolved already.
void CheckTrusted(const std::string& realRoot, const std::string& program) {
    if (SimHost::TrustedByCaller(realRoot)) return;
    std::string path = realRoot;
    std::string rest = program.substr(realRoot.size());  // "/etc/init.d/nfcd"
    for (;;) {
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0) break;  // gone: the run fails on its own
        if (std::string why = Distrust(info); !why.empty()) {
            throw Kavrel::Lib::KavrelException(
                "Refusing to run " + program + " from host root " + realRoot + ": " + path + " " + why +
                ", so another user could choose what runs. Make the host root and its programs yours (or root's) "
                "and writable by you alone, or trust this root by adding it to " +
                kTrustedRootsVariable + " (a colon-separated list of host roots).");
        }
        if (rest.empty()) break;
        size_t next = rest.find('/', 1);
        path += rest.substr(0, next);
        rest = next == std::string::npos ? "" : rest.substr(next);
    }
}

int WaitFor(pid_t child) {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return kCannotRun;
    }
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return kCannotRun;
}

}  // namespace

namespace {

// The program's real path inside the host root, checked to be trusted; ""
// when it is missing or a link leading out of the root.
std::string TrustedProgram(const std::string& root, const std::string& relative, std::string& realRoot) {
    realRoot = RealPath(root);
    std::string program = RealPath(root + "/" + relative);
    if (realRoot.empty() || program.empty() || program.compare(0, realRoot.size() + 1, realRoot + "/") != 0) {
        return "";
    }
    CheckTrusted(realRoot, program);
    return program;
}

int Run(const std::string& command, const std::string& root, bool inBackground, bool quiet, bool keepEnvironment) {
    auto words = Words(command);
    std::string relative = words.empty() ? "" : InsideRoot(words[0]);
    if (relative.empty()) return kNotFound;
    std::string realRoot;
    const std::string program = TrustedProgram(root, relative, realRoot);
    if (program.empty()) return kNotFound;  // missing, or a link leading out of the host root
    struct stat info {};
    if (::stat(program.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || ::access(program.c_str(), X_OK) != 0) {
        return kCannotRun;
    }

    // Everything the child needs is prepared before fork.
    std::vector<std::string> environment;
    if (keepEnvironment) {
        for (char** entry = environ; *entry; ++entry) {
            if (std::strncmp(*entry, "TALIX_HOST_ROOT=", 16) != 0) environment.push_back(*entry);
        }
    } else {
        environment.push_back("PATH=/usr/sbin:/usr/bin:/sbin:/bin");
    }
    environment.push_back("TALIX_HOST_ROOT=" + realRoot);
    std::vector<char*> argv;
    for (auto& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (auto& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);

    pid_t child = ::fork();
    if (child < 0) return kCannotRun;
    if (child == 0) {
        if (inBackground && ::fork() != 0) ::_exit(0);  // the grandchild runs detached
        int null = ::open("/dev/null", O_RDWR);
        if (null >= 0) {
            ::dup2(null, STDIN_FILENO);
            if (quiet || inBackground) {
                ::dup2(null, STDOUT_FILENO);
                ::dup2(null, STDERR_FILENO);
            }
        }
        if (::chdir(realRoot.c_str()) != 0) ::_exit(kCannotRun);
        ::execve(program.c_str(), argv.data(), envp.data());
        ::_exit(kCannotRun);
    }
    int status = WaitFor(child);
    return inBackground ? 0 : status;
}

}  // namespace

int LmxCtl_Exec(const std::string& command, bool inBackground, bool quiet, bool keepEnvironment) {
    return LmxCtl_Exec(command, inBackground, quiet, keepEnvironment, "");
}

int LmxCtl_Exec(const std::string& command, bool inBackground, bool quiet, bool keepEnvironment,
                const std::string& failureMessage) {
    SimHost::CheckFault("LmxCtl_Exec");
    auto words = Words(command);
    std::string relative = words.empty() ? "" : InsideRoot(words[0]);
    if (relative.empty()) return kNotFound;
    auto& store = SimHost::HostStore::Instance();
    auto& backend = store.GetBackend();
    const std::string root = backend.RootDirectory();
    if (root.empty() || SimHost::DryRunLatched()) {
        // A host in memory, or a dry run, runs nothing: a program that is there succeeds.
        return backend.ReadFile(relative) ? 0 : kNotFound;
    }
    if (!store.HoldsChanges()) return Run(command, root, inBackground, quiet, keepEnvironment);
    // The command's changes are not written yet: the program runs once they
    // are. Whether it may run at all is the command's own answer, now.
    std::string realRoot;
    TrustedProgram(root, relative, realRoot);
    store.Defer([=] { return Run(command, root, inBackground, quiet, keepEnvironment); },
                failureMessage.empty() ? "The host program " + words[0] + " did not succeed." : failureMessage);
    return 0;
}

}  // namespace Util
}  // namespace LmxCtl
