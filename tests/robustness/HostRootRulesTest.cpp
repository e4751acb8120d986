// The general rules at the edges of a host root, swept over every file the
// host reads: only regular files are read and nothing blocks, sizes are
// bounded, paths never leave the root, and only trusted roots run programs.
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "core/SimHostTesting.h"
#include "robustness/RobustnessSupport.h"
#include "support/CliHarness.h"

namespace {

namespace fs = std::filesystem;
using TalixTest::RunOnHost;
using TalixTest::RunTalixcli;
using TalixTest::TempHostRoot;

// A file the host reads, and a command that reads it.
struct HostFile {
    std::string path;
    std::vector<std::string> reader;
};

const HostFile kHostFiles[] = {
    {"state/firewall.json", {"network", "firewall", "get"}},         {"state/pnics.json", {"network", "nic", "list"}},
    {"state/faults.json", {"network", "firewall", "get"}},           {"etc/hosts", {"network", "ip", "hosts", "list"}},
    {"etc/resolv.conf", {"network", "ip", "dns", "server", "list"}},
};

// Something that is not a regular file, put where a host file goes.
struct Impostor {
    std::string name;
    std::string refusal;  // what the message says about it
    void (*make)(const std::string& path);
};

void MakeFifo(const std::string& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0); }
void MakeSocket(const std::string& path) {
    int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof(address.sun_path));
    path.copy(address.sun_path, path.size());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
}
void MakeZeroLink(const std::string& path) { fs::create_symlink("/dev/zero", path); }
void MakeRegularLink(const std::string& path) { fs::create_symlink("/etc/passwd", path); }
void MakeDirectory(const std::string& path) { fs::create_directories(path + "/inside"); }
void MakeSparseGiant(const std::string& path) {
    { std::ofstream(path) << ""; }
    ASSERT_EQ(::truncate(path.c_str(), off_t{6} << 30), 0);
}

const Impostor kImpostors[] = {
    {"FIFO", "it is a FIFO, not a regular file", MakeFifo},
    {"socket", "it is a socket, not a regular file", MakeSocket},
    {"link to /dev/zero", "it is a symbolic link, not a regular file", MakeZeroLink},
    {"link to a regular file", "it is a symbolic link, not a regular file", MakeRegularLink},
    {"directory", "it is a directory, not a regular file", MakeDirectory},
    {"sparse 6 GiB file", "it holds 6442450944 bytes, more than the limit of 268435456 (256 MiB)", MakeSparseGiant},
};

// A small host every reader can read: the demo host would do, but a few
// sections keep each run short.
void WriteSmallHost(TempHostRoot& root) {
    root.WriteSection("firewall", {{"enabled", true}});
    root.WriteSection("pnics", {{"pnics", nlohmann::json::array()}});
    root.WriteSection("faults", nlohmann::json::object());
    root.WriteFile("etc/hosts", "127.0.0.1 localhost\n");
    root.WriteFile("etc/resolv.conf", "nameserver 10.0.0.53\n");
}

// Every impostor in place of every host file: the reading command fails at
// once (in a child with a time limit: a hang is a failure, not a stuck
// suite) with a message naming the path and what is wrong with it, and
// the host's other files are untouched.
TEST(HostRootRules, OnlyRegularFilesWithinTheSizeLimitAreReadAndNothingBlocks) {
    TalixTest::CliHarness cli;
    for (const auto& file : kHostFiles) {
        for (const auto& impostor : kImpostors) {
            TempHostRoot root;
            WriteSmallHost(root);
            const std::string path = root.Path() + "/" + file.path;
            fs::remove(path);
            const auto before = TalixRobustness::Snapshot(root.Path());
            impostor.make(path);
            auto result = TalixRobustness::RunIsolated(
                [&](std::string&, std::string& err) {
                    SimHost::UseHostRoot(root.Path());
                    auto invocation = cli.Invoke(file.reader);
                    for (const auto& message : TalixTest::Errors(invocation)) err += message + "\n";
                    return invocation.status;
                },
                10000);
            const std::string what = file.path + " as " + impostor.name;
            EXPECT_FALSE(result.hung) << what;
            EXPECT_FALSE(result.crashed) << what;
            EXPECT_EQ(result.status, 1) << what;
            // The command's own prefix (if it has one) comes first; the refusal closes the message.
            const std::string refusal = "Cannot read host state file " + path + ": " + impostor.refusal + "\n";
            EXPECT_TRUE(result.err.size() >= refusal.size() &&
                        result.err.compare(result.err.size() - refusal.size(), refusal.size(), refusal) == 0)
                << what << ": " << result.err;
            fs::remove_all(path);  // a 6 GiB file is not read for the comparison either
            EXPECT_EQ(TalixRobustness::Difference(before, TalixRobustness::Snapshot(root.Path())), "") << what;
        }
    }
}

// The same through talixcli, for the ones that used to hang or grow without
// bound while holding the exclusive lock of a changing command.
TEST(HostRootRules, AChangingCommandRefusesAFifoOrADeviceAtOnce) {
    for (const auto& impostor : {kImpostors[0], kImpostors[2]}) {
        TempHostRoot root;
        WriteSmallHost(root);
        fs::remove(root.Path() + "/etc/hosts");
        impostor.make(root.Path() + "/etc/hosts");
        auto result = RunOnHost(root, "network ip hosts add -I 10.0.0.9 -H nine");
        EXPECT_EQ(result.status, 1) << impostor.name;
        EXPECT_NE(result.err.find(root.Path() + "/etc/hosts: " + impostor.refusal), std::string::npos) << result.err;
    }
}

// A directory of the root that is a link leading out of it: neither reading
// nor changing commands go through it, and nothing outside changes.
TEST(HostRootRules, PathsNeverLeaveTheRoot) {
    const std::vector<std::vector<std::string>> commands = {
        {"network", "firewall", "set", "--enabled", "false"},
        {"network", "ip", "hosts", "add", "-I", "10.0.0.9", "-H", "nine"},
        {"network", "ip", "dns", "server", "add", "-s", "10.0.0.54"},
        {"network", "firewall", "get"},
        {"network", "ip", "hosts", "list"},
    };
    for (const std::string directory : {"state", "etc"}) {
        for (const auto& command : commands) {
            TempHostRoot root;
            TempHostRoot outside;
            WriteSmallHost(root);
            fs::rename(root.Path() + "/" + directory, outside.Path() + "/" + directory);
            fs::create_directory_symlink(outside.Path() + "/" + directory, root.Path() + "/" + directory);
            const auto before = TalixRobustness::Snapshot(outside.Path());
            std::vector<std::string> args = {"--formatter=json"};
            args.insert(args.end(), command.begin(), command.end());
            auto result = RunTalixcli(args, {{"TALIX_HOST_ROOT", root.Path()}});
            std::string what = directory + " linked out:";
            for (const auto& word : command) what += " " + word;
            // A command that touches no file of that directory may succeed;
            // one that does fails with the link's path named.
            if (result.status != 0) {
                EXPECT_NE(result.err.find("Refusing host path " + root.Path() + "/" + directory +
                                          ": it leads out of the host root"),
                          std::string::npos)
                    << what << ": " << result.err;
            }
            EXPECT_EQ(TalixRobustness::Difference(before, TalixRobustness::Snapshot(outside.Path())), "") << what;
        }
    }
}

// A host root that another user can change does not run its programs, unless
// the caller trusts it by name. The demo host's own files pass under the
// usual umask and under 002.
class TrustedRoots : public ::testing::Test {
protected:
    void SetUp() override {
        previousUmask_ = ::umask(002);
        auto first = RunOnHost(root_, "--formatter=json network nic list");  // installs the demo host
        ASSERT_EQ(first.status, 0) << first.err;
    }
    void TearDown() override { ::umask(previousUmask_); }

    TalixTest::ProcessResult AddProvisioningInterface(std::map<std::string, std::string> environment = {}) {
        environment["TALIX_HOST_ROOT"] = root_.Path();
        return RunTalixcli({"--formatter=json", "network", "ip", "interface", "add", "-p", "Guest Traffic", "-N",
                            "CeldraProvisioning"},
                           environment);
    }
    void RemoveProvisioningInterface() {
        RunTalixcli({"network", "ip", "interface", "remove", "-p", "Guest Traffic", "-N", "CeldraProvisioning"},
                    {{"TALIX_HOST_ROOT", root_.Path()}});
    }
    bool DaemonRan() const { return fs::exists(root_.Path() + "/var/log/nfcd.log"); }

    TempHostRoot root_;
    mode_t previousUmask_ = 022;
};

TEST_F(TrustedRoots, TheDemoHostInstalledUnderUmask002RunsItsPrograms) {
    auto add = AddProvisioningInterface();
    EXPECT_EQ(add.status, 0) << add.err;
    EXPECT_TRUE(DaemonRan());
}

TEST_F(TrustedRoots, AnythingOnTheWayToTheProgramThatOthersCanChangeIsRefused) {
    struct Case {
        std::string path;  // relative to the root; "" is the root itself
        mode_t mode;
        std::string why;
    };
    const std::vector<Case> cases = {
        {"", 0775, "is writable by group or others"},
        {"etc", 0757, "is writable by group or others"},
        {"etc/init.d", 0777, "is writable by group or others"},
        {"etc/init.d/nfcd", 0775, "is writable by group or others"},
    };
    for (const auto& one : cases) {
        const std::string path = one.path.empty() ? root_.Path() : root_.Path() + "/" + one.path;
        struct stat info {};
        ASSERT_EQ(::stat(path.c_str(), &info), 0);
        ::chmod(path.c_str(), one.mode);
        auto refused = AddProvisioningInterface();
        EXPECT_EQ(refused.status, 1) << path;
        EXPECT_NE(refused.err.find("Unable to add Lumex network interface. Error was : Refusing to run " +
                                   fs::canonical(root_.Path()).string() + "/etc/init.d/nfcd from host root"),
                  std::string::npos)
            << refused.err;
        EXPECT_NE(refused.err.find(fs::canonical(path).string() + " " + one.why), std::string::npos) << refused.err;
        EXPECT_NE(refused.err.find("TALIX_TRUSTED_ROOTS"), std::string::npos) << refused.err;
        EXPECT_FALSE(DaemonRan()) << path;
        RemoveProvisioningInterface();  // added before the daemon's turn: that step stays

        // Trusted by name (through a link to it, too) or as every root: it runs.
        fs::create_directory_symlink(root_.Path(), root_.Path() + "-link");
        auto trusted = AddProvisioningInterface({{"TALIX_TRUSTED_ROOTS", "/nowhere:" + root_.Path() + "-link"}});
        fs::remove(root_.Path() + "-link");
        EXPECT_EQ(trusted.status, 0) << trusted.err;
        EXPECT_TRUE(DaemonRan()) << path;
        fs::remove(root_.Path() + "/var/log/nfcd.log");
        ::chmod(path.c_str(), info.st_mode & 07777);
        RemoveProvisioningInterface();
    }
}

TEST_F(TrustedRoots, AProgramOwnedByAnotherUserIsRefused) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
    const std::string program = root_.Path() + "/etc/init.d/nfcd";
    ASSERT_EQ(::chown(program.c_str(), 4242, 4242), 0);
    auto refused = AddProvisioningInterface();
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find(fs::canonical(program).string() +
                               " is owned by user 4242, neither the caller (user 0) nor root"),
              std::string::npos)
        << refused.err;
    EXPECT_FALSE(DaemonRan());
    auto trusted = AddProvisioningInterface({{"TALIX_TRUSTED_ROOTS", "*"}});
    EXPECT_EQ(trusted.status, 0) << trusted.err;
}

}  // namespace
