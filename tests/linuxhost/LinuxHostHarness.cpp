// Namespaces, processes and devices for the Linux host tests.
#include "LinuxHostHarness.h"

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <stdlib.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace LinuxHostTest {

namespace {

std::string& Reason() {
    static std::string reason = "the namespaces were not entered (main() calls Isolate())";
    return reason;
}

bool Fail(const std::string& what) {
    Reason() = what + ": " + std::strerror(errno);
    return false;
}

// /etc as a private copy on a tmpfs: a test may write any file there.
bool PrivateEtc() {
    namespace fs = std::filesystem;
    const fs::path copy = "/run/talix-test-etc";
    std::error_code error;
    fs::create_directory(copy, error);
    // Unreadable entries (sockets, dangling links) are skipped, not fatal.
    for (auto it = fs::recursive_directory_iterator("/etc", fs::directory_options::skip_permission_denied, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        const fs::path target = copy / fs::relative(it->path(), "/etc");
        std::error_code ignored;
        if (it->is_symlink(ignored)) {
            fs::copy_symlink(it->path(), target, ignored);
        } else if (it->is_directory(ignored)) {
            fs::create_directory(target, it->path(), ignored);
        } else if (it->is_regular_file(ignored)) {
            fs::copy_file(it->path(), target, ignored);
        }
    }
    if (::mount(copy.c_str(), "/etc", nullptr, MS_BIND | MS_REC, nullptr) != 0)
        return Fail("bind-mounting a copy of /etc");
    return true;
}

}  // namespace

bool Isolate() {
    if (::unshare(CLONE_NEWNET | CLONE_NEWNS) != 0) {
        return Fail("cannot enter new network and mount namespaces (root or CAP_SYS_ADMIN is needed)");
    }
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return Fail("making the mounts private");
    // /sys/class/net shows the devices of the namespace that mounted sysfs.
    if (::mount("sysfs", "/sys", "sysfs", 0, nullptr) != 0) return Fail("mounting sysfs in the new namespace");
    // /run (and /run/netns in it) private and empty.
    if (::mount("tmpfs", "/run", "tmpfs", 0, "mode=0755") != 0) return Fail("mounting a tmpfs on /run");
    if (!PrivateEtc()) return false;
    if (Sh("ip link set lo up").status != 0) {
        errno = 0;
        return Fail("bringing up the new namespace's loopback with ip(8)");
    }
    Reason().clear();
    return true;
}

const std::string& Isolation() { return Reason(); }

Outcome Run(const std::vector<std::string>& argv, const std::map<std::string, std::string>& environment) {
    int outPipe[2], errPipe[2];
    if (::pipe2(outPipe, O_CLOEXEC) != 0 || ::pipe2(errPipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(outPipe[1], 1);
        ::dup2(errPipe[1], 2);
        int devNull = ::open("/dev/null", O_RDONLY);
        ::dup2(devNull, 0);
        for (const auto& variable : environment) ::setenv(variable.first.c_str(), variable.second.c_str(), 1);
        std::vector<char*> args;
        std::vector<std::string> copies = argv;
        for (auto& arg : copies) args.push_back(arg.data());
        args.push_back(nullptr);
        ::execvp(args[0], args.data());
        ::_exit(127);
    }
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    Outcome outcome;
    pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
    int open = 2;
    char buffer[65536];
    while (open > 0) {
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
            const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n <= 0) {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            } else {
                (i == 0 ? outcome.out : outcome.err).append(buffer, static_cast<size_t>(n));
            }
        }
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return outcome;
}

Outcome Sh(const std::string& commandLine) { return Run({"/bin/sh", "-c", commandLine}); }

std::string MustSh(const std::string& commandLine) {
    Outcome outcome = Sh(commandLine);
    if (outcome.status != 0) {
        ADD_FAILURE() << commandLine << " failed (" << outcome.status << "): " << outcome.err;
    }
    return outcome.out;
}

nlohmann::json IpJson(const std::string& args) {
    const std::string out = MustSh("ip -j " + args);
    return out.empty() ? nlohmann::json() : nlohmann::json::parse(out);
}

std::string SysNet(const std::string& device, const std::string& attribute) {
    std::ifstream in("/sys/class/net/" + device + "/" + attribute);
    std::string value;
    std::getline(in, value);
    return value;
}

void LinuxHost::SetUp() {
    if (!Isolation().empty()) GTEST_SKIP() << "Linux host tests skipped: " << Isolation();
    std::string pattern = (std::filesystem::temp_directory_path() / "talix-linux-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) FAIL() << "mkdtemp failed";
    ::chmod(pattern.c_str(), 0755);
    hostRoot_ = pattern;
    // While the Linux plug-in lacks host operations it does not load: say so once per test.
    const Outcome probe = Talix("--help");
    if (probe.err.find("Cannot load plug-in") != std::string::npos || probe.status >= 128) {
        GTEST_SKIP() << "the Linux plug-in does not load yet: " << probe.err.substr(0, 300);
    }
}

void LinuxHost::TearDown() {
    for (auto it = devices_.rbegin(); it != devices_.rend(); ++it) Sh("ip link del " + *it);
    if (!hostRoot_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(hostRoot_, ignored);
    }
}

Outcome LinuxHost::Talix(const std::string& commandLine, const std::map<std::string, std::string>& environment) {
    std::map<std::string, std::string> settings = {
        {"TALIX_HOST", "linux"}, {"TALIX_HOST_ROOT", hostRoot_}, {"TALIX_LINUX_NICS", nics_}, {"LC_ALL", "C"}};
    for (const auto& setting : environment) settings[setting.first] = setting.second;
    std::vector<std::string> argv = {TALIXCLI_BINARY};
    std::istringstream words(commandLine);
    for (std::string word; words >> word;) argv.push_back(word);
    return LinuxHostTest::Run(argv, settings);
}

nlohmann::json LinuxHost::TalixJson(const std::string& commandLine) {
    Outcome outcome = Talix("--formatter=json " + commandLine);
    EXPECT_EQ(outcome.status, 0) << commandLine << ": " << outcome.err;
    EXPECT_EQ(outcome.err, "") << commandLine;
    if (outcome.status != 0) return nlohmann::json();
    return nlohmann::json::parse(outcome.out, nullptr, false);
}

std::string LinuxHost::TalixError(const std::string& commandLine) {
    Outcome outcome = Talix(commandLine);
    EXPECT_NE(outcome.status, 0) << commandLine << " succeeded: " << outcome.out;
    EXPECT_EQ(outcome.out, "") << commandLine;
    return outcome.err;
}

Outcome LinuxHost::TalixBatch(const std::vector<std::string>& lines) {
    const std::string path = hostRoot_ + "/lines";
    std::ofstream file(path, std::ios::trunc);
    for (const auto& line : lines) file << line << '\n';
    file.close();
    return Talix("--batch " + path);
}

void LinuxHost::ExpectRefusals(const std::vector<Refusal>& refusals) {
    for (const auto& refusal : refusals) {
        const Outcome outcome = Talix(refusal.command);
        EXPECT_EQ(outcome.status, 1) << refusal.command;
        EXPECT_EQ(outcome.out, "") << refusal.command;
        EXPECT_NE(outcome.err.find(refusal.message), std::string::npos) << refusal.command << ": " << outcome.err;
    }
}

void LinuxHost::Veth(const std::string& name, const std::string& peer) {
    MustSh("ip link add " + name + " type veth peer name " + peer);
    devices_.push_back(name);  // the peer goes with it
}

void LinuxHost::Bridge(const std::string& name) {
    MustSh("ip link add " + name + " type bridge");
    devices_.push_back(name);
}

void LinuxHost::Tap(const std::string& name) {
    MustSh("ip tuntap add " + name + " mode tap");
    devices_.push_back(name);
}

void LinuxHost::Nics(const std::vector<std::string>& names) {
    nics_.clear();
    for (const auto& name : names) nics_ += (nics_.empty() ? "" : ",") + name;
}

void OneInterface::SetUp() {
    LinuxHost::SetUp();
    if (IsSkipped()) return;
    // No IPv6 link-local addresses: the kernel adds them, and their routes,
    // a moment after the carrier comes up, which would race the dumps tests
    // compare before and after.
    MustSh("sysctl -qw net.ipv6.conf.default.addr_gen_mode=1");
    Veth("ip0", "ip1");
    MustSh("ip link property add dev ip0 altname lmx1");
    MustSh("ip addr add 10.20.0.1/24 dev ip0 && ip link set ip0 up && ip link set ip1 up");
}

}  // namespace LinuxHostTest
