// The general rules at the edges of a host root, swept over every file the
// host reads: only regular files are read and nothing blocks, sizes are
// bounded, paths never leave the root, and only trusted roots run programs.
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "core/Backends.h"
#include "core/HostStore.h"
#include "core/SimHostTesting.h"
#include "kavrel/Lib.h"
#include "lmxctl/Util.h"
#include "robustness/RobustnessSupport.h"
#include "support/CliHarness.h"

namespace {

namespace fs = std::filesystem;
using TalixTest::ChangeOnHost;
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
    // (A root that others may write is refused before any command runs: see
    // ARootAnotherUserCouldChangeIsRefusedForReadingAndChanging.)
    const std::vector<Case> cases = {
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

// A command's message ends with the host's refusal; the command's own
// prefix (if it has one) comes first.
::testing::AssertionResult EndsWith(const std::string& text, const std::string& end) {
    if (text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "\"" << text << "\" does not end with \"" << end << "\"";
}

// Runs body in a child process as another user (and group): what that user
// gets to see and do with a host root the test made.
TalixRobustness::IsolatedResult AsUser(uid_t user, const std::function<int(std::string&, std::string&)>& body) {
    return TalixRobustness::RunIsolated(
        [&](std::string& out, std::string& err) {
            if (::setresgid(user, user, user) != 0 || ::setresuid(user, user, user) != 0) return 99;
            return body(out, err);
        },
        20000);
}

void MakeReadableByAll(const std::string& root) {
    ::chmod(root.c_str(), 0755);
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_directory()) ::chmod(entry.path().c_str(), 0755);
    }
}

// Once a process began a dry run nothing it does writes, also after the dry
// run ended: not a change through the store, not a commit straight to the
// directory, and no host program runs (one that is there counts as run).
TEST(HostRootRules, AProcessThatBeganADryRunNeverWrites) {
    TempHostRoot root;
    ASSERT_EQ(RunOnHost(root, "network firewall get").status, 0);  // installs the demo host
    root.WriteFile("bin/mark", "#!/bin/sh\ntouch \"$TALIX_HOST_ROOT/ran\"\n");
    ::chmod((root.Path() + "/bin/mark").c_str(), 0755);
    const auto before = TalixRobustness::Snapshot(root.Path());
    auto result = TalixRobustness::RunIsolated(
        [&](std::string& out, std::string& err) {
            SimHost::UseHostRoot(root.Path());
            auto& store = SimHost::HostStore::Instance();
            int refused = 0;
            auto attempt = [&](const std::function<void()>& write) {
                try {
                    write();
                } catch (const Kavrel::Lib::KavrelException& refusal) {
                    ++refused;
                    err += refusal.GetDescription() + "\n";
                }
            };
            store.BeginTransaction(true);
            attempt([&] { store.GetBackend().Commit({{"state/firewall.json", std::string("{}")}}); });
            store.EndTransaction(false);
            attempt([&] { SimHost::InjectFault("Firewall::Get", "after the dry run"); });
            attempt([&] { store.GetBackend().Commit({{"etc/new", std::string("x")}}); });
            SimHost::UseHostRoot(root.Path() + "/not-made");
            attempt([&] { store.GetBackend().Commit({{"etc/new", std::string("x")}}); });
            SimHost::UseHostRoot(root.Path());
            out = std::to_string(LmxCtl::Util::LmxCtl_Exec("/bin/mark", false, true, false));
            return refused;
        },
        10000);
    EXPECT_EQ(result.status, 4) << result.err;
    EXPECT_NE(result.err.find("A dry run writes nothing, but was about to write host files in " + root.Path()),
              std::string::npos)
        << result.err;
    EXPECT_EQ(result.out, "0");
    EXPECT_FALSE(fs::exists(root.Path() + "/ran"));
    EXPECT_FALSE(fs::exists(root.Path() + "/not-made"));
    EXPECT_EQ(TalixRobustness::Difference(before, TalixRobustness::Snapshot(root.Path())), "");
}

// A dry run makes nothing, whatever state the root is in: no root, no lock
// file, no demo host. It reads the demo host from where a first use would
// install it from, and shows what a real run on an installed root would.
TEST(HostRootRules, ADryRunCreatesNothingAndShowsWhatARealRunWould) {
    TempHostRoot installed;
    ASSERT_EQ(RunOnHost(installed, "network firewall get").status, 0);
    const std::vector<std::string> change = {"--dry-run", "network", "firewall", "set", "--enabled", "false"};
    auto reference = RunTalixcli(change, {{"TALIX_HOST_ROOT", installed.Path()}});
    ASSERT_EQ(reference.status, 0) << reference.err;
    ASSERT_NE(reference.out.find("state/firewall.json"), std::string::npos) << reference.out;

    struct Case {
        std::string name;
        std::function<void(const std::string& root)> prepare;
    };
    const std::vector<Case> cases = {
        {"a root not made yet", [](const std::string&) {}},
        {"an empty root", [](const std::string& root) { fs::create_directory(root); }},
        {"a root without its lock file",
         [&](const std::string& root) {
             fs::create_directory(root);
             TalixRobustness::CopyHost(installed.Path(), root);
         }},
        {"a first use that did not finish",
         [](const std::string& root) {
             fs::create_directories(root + "/state");
             std::ofstream(root + "/.installing") << "";
             std::ofstream(root + "/state/firewall.json") << "{\"half";
         }},
    };
    for (const auto& one : cases) {
        TempHostRoot parent;
        const std::string root = parent.Path() + "/root";
        one.prepare(root);
        const bool hadLock = fs::exists(root + "/.lock");
        const auto before = TalixRobustness::Snapshot(parent.Path());
        auto dry = RunTalixcli(change, {{"TALIX_HOST_ROOT", root}});
        EXPECT_EQ(dry.status, 0) << one.name << ": " << dry.err;
        EXPECT_EQ(dry.out, reference.out) << one.name;
        EXPECT_EQ(TalixRobustness::Difference(before, TalixRobustness::Snapshot(parent.Path())), "") << one.name;
        EXPECT_EQ(fs::exists(root + "/.lock"), hadLock) << one.name;
        EXPECT_EQ(fs::exists(root), one.name != cases[0].name) << one.name;
    }
}

// A first use that did not finish empties the root again: a folder of it
// swapped for a link to elsewhere meanwhile is removed as a link, and
// nothing it leads to is touched (removal goes through descriptors that
// never follow a link). Before each run a helper thread swaps the folder
// and a link out of the root back and forth as fast as it can.
TEST(HostRootRules, EmptyingAnUnfinishedRootNeverFollowsASwappedLink) {
    const int kFiles = 400;
    for (int round = 0; round < TalixRobustness::Scaled(5, 40); ++round) {
        TempHostRoot root;
        TempHostRoot outside;
        TempHostRoot stage;
        fs::create_directories(root.Path() + "/state/many");
        fs::create_directories(outside.Path() + "/many");
        for (int i = 0; i < kFiles; ++i) {
            std::ofstream(root.Path() + "/state/many/f" + std::to_string(i)) << "in";
            std::ofstream(outside.Path() + "/many/f" + std::to_string(i)) << "out";
        }
        std::ofstream(root.Path() + "/.installing") << "";
        fs::create_directory_symlink(outside.Path() + "/many", stage.Path() + "/many");
        std::atomic<bool> stop{false};
        std::thread swapper([&] {
            const std::string inside = root.Path() + "/state/many";
            const std::string link = stage.Path() + "/many";
            while (!stop) ::renameat2(AT_FDCWD, inside.c_str(), AT_FDCWD, link.c_str(), RENAME_EXCHANGE);
        });
        auto run = RunOnHost(root, "network firewall get");
        stop = true;
        swapper.join();
        EXPECT_EQ(run.status, 0) << run.err;
        int left = 0;
        for (const auto& entry : fs::directory_iterator(outside.Path() + "/many")) left += entry.is_regular_file();
        ASSERT_EQ(left, kFiles) << "round " << round << ": files outside the root were removed";
    }
}

// A root that another user (not the caller, not root) owns, or that group
// or others may write, is refused before anything in it is read or made,
// for reading as for changing, unless the caller trusts it by name.
TEST(HostRootRules, ARootAnotherUserCouldChangeIsRefusedForReadingAndChanging) {
    struct Case {
        std::string name;
        std::function<void(const std::string& root)> spoil;
        std::string refusal;
    };
    std::vector<Case> cases = {
        {"mode 0777", [](const std::string& root) { ::chmod(root.c_str(), 0777); },
         "group or others may write it (mode 0777)."},
        {"mode 0775", [](const std::string& root) { ::chmod(root.c_str(), 0775); },
         "group or others may write it (mode 0775)."},
        {"mode 1777", [](const std::string& root) { ::chmod(root.c_str(), 01777); },
         "group or others may write it (mode 1777)."},
    };
    if (::geteuid() == 0) {
        cases.push_back({"owned by user 65534",
                         [](const std::string& root) { ASSERT_EQ(::chown(root.c_str(), 65534, 65534), 0); },
                         "it is owned by user 65534, not by you or root."});
    }
    const std::vector<std::string> commands = {"network firewall get", "network firewall set --enabled false"};
    for (const auto& one : cases) {
        for (const auto& command : commands) {
            for (bool unfinished : {false, true}) {
                TempHostRoot root;
                ASSERT_EQ(RunOnHost(root, "network firewall get").status, 0);
                // A first use that did not finish would empty the root: refused before that, too.
                if (unfinished) std::ofstream(root.Path() + "/.installing") << "";
                one.spoil(root.Path());
                const auto before = TalixRobustness::Snapshot(root.Path());
                auto refused = RunOnHost(root, command);
                const std::string what = one.name + ", " + command + (unfinished ? ", unfinished" : "");
                EXPECT_EQ(refused.status, 1) << what;
                EXPECT_TRUE(EndsWith(refused.err, "Refusing host root " + root.Path() + ": " + one.refusal + "\n"))
                    << what;
                EXPECT_EQ(TalixRobustness::Difference(before, TalixRobustness::Snapshot(root.Path())), "") << what;
                if (unfinished) continue;
                auto trusted = RunTalixcli(TalixTest::SplitWords(command),
                                           {{"TALIX_HOST_ROOT", root.Path()}, {"TALIX_TRUSTED_ROOTS", root.Path()}});
                EXPECT_EQ(trusted.status, 0) << what << ": " << trusted.err;
            }
        }
    }
}

// A folder inside the root follows the root's rule: one that someone else
// could change lets them swap its entries for links between check and use.
TEST(HostRootRules, AFolderInsideTheRootThatOthersCouldChangeIsRefused) {
    for (const std::string folder : {"state", "etc"}) {
        for (const std::string command : {"network firewall get", "network ip dns server add -s 10.9.9.9"}) {
            TempHostRoot root;
            ASSERT_EQ(RunOnHost(root, "network firewall get").status, 0);
            const std::string path = root.Path() + "/" + folder;
            ::chmod(path.c_str(), 0777);
            const auto before = TalixRobustness::Snapshot(root.Path());
            auto refused = RunOnHost(root, command);
            if (folder == "etc" && command == "network firewall get") {
                EXPECT_EQ(refused.status, 0) << "a command that never enters etc/ is not refused";
                continue;
            }
            EXPECT_EQ(refused.status, 1) << folder << ", " << command;
            EXPECT_TRUE(
                EndsWith(refused.err, "Refusing host path " + path + ": group or others may write it (mode 0777).\n"))
                << folder << ", " << command << ": " << refused.err;
            EXPECT_EQ(TalixRobustness::Difference(before, TalixRobustness::Snapshot(root.Path())), "");
            auto trusted = RunTalixcli(TalixTest::SplitWords(command),
                                       {{"TALIX_HOST_ROOT", root.Path()}, {"TALIX_TRUSTED_ROOTS", root.Path()}});
            EXPECT_EQ(trusted.status, 0) << folder << ", " << command << ": " << trusted.err;
        }
    }
}

// A root owned by root (mode 0755) is read by everyone: a reader takes the
// shared lock on a lock file opened for reading and creates nothing. A
// command that changes the host still needs write access, and says so.
TEST(HostRootRules, AnotherUserReadsARootOwnedRootAndCannotChangeIt) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can run a child as another user";
    TempHostRoot root;
    ASSERT_EQ(RunOnHost(root, "network firewall get").status, 0);
    MakeReadableByAll(root.Path());
    const auto before = TalixRobustness::Snapshot(root.Path());
    auto read = AsUser(65534, [&](std::string& out, std::string& err) {
        auto result =
            RunTalixcli({"--formatter=json", "network", "firewall", "get"}, {{"TALIX_HOST_ROOT", root.Path()}});
        out = result.out;
        err = result.err;
        return result.status;
    });
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_NE(read.out.find("\"Enabled\""), std::string::npos) << read.out;
    auto change = AsUser(65534, [&](std::string&, std::string& err) {
        auto result =
            RunTalixcli({"network", "firewall", "set", "--enabled", "false"}, {{"TALIX_HOST_ROOT", root.Path()}});
        err = result.err;
        return result.status;
    });
    EXPECT_EQ(change.status, 1);
    EXPECT_TRUE(EndsWith(change.err, "Cannot open host lock " + root.Path() + "/.lock: Permission denied\n"));
    EXPECT_EQ(TalixRobustness::Difference(before, TalixRobustness::Snapshot(root.Path())), "");
}

// Where the root is without TALIX_HOST_ROOT: under XDG_STATE_HOME, else
// under the home from HOME, else from the caller's passwd entry; relative
// values are ignored (they would name another root in every folder).
TEST(HostRootRules, TheDefaultRootIsInTheCallersOwnHome) {
    const passwd* entry = ::getpwuid(::getuid());
    ASSERT_NE(entry, nullptr);
    const std::string home = entry->pw_dir;
    struct Case {
        const char* state;  // nullptr: unset
        const char* home;
        std::string root;
    };
    const std::vector<Case> cases = {
        {"/srv/state", "/srv/home", "/srv/state/talix/host"},
        {"relative/state", "/srv/home", "/srv/home/.local/state/talix/host"},
        {"", "/srv/home/", "/srv/home/.local/state/talix/host"},
        {nullptr, "relative", home + "/.local/state/talix/host"},
        {nullptr, nullptr, home + "/.local/state/talix/host"},
    };
    for (const auto& one : cases) {
        auto result = TalixRobustness::RunIsolated(
            [&](std::string& out, std::string&) {
                ::unsetenv("TALIX_HOST_ROOT");
                one.state ? ::setenv("XDG_STATE_HOME", one.state, 1) : ::unsetenv("XDG_STATE_HOME");
                one.home ? ::setenv("HOME", one.home, 1) : ::unsetenv("HOME");
                out = SimHost::DefaultHostRoot();
                return 0;
            },
            10000);
        EXPECT_EQ(result.out, one.root) << (one.state ? one.state : "(unset)") << ", "
                                        << (one.home ? one.home : "(unset)");
    }
}

// The folders the tool makes on the way to the default root are held to
// the rule of the root; and a caller without any home is told to name a root.
TEST(HostRootRules, TheWayToTheDefaultRootIsCheckedAndAHomelessCallerIsToldWhatToDo) {
    TempHostRoot state;
    fs::create_directory(state.Path() + "/talix");
    ::chmod((state.Path() + "/talix").c_str(), 0777);
    auto refused = TalixRobustness::RunIsolated(
        [&](std::string&, std::string& err) {
            ::unsetenv("TALIX_HOST_ROOT");
            ::setenv("XDG_STATE_HOME", state.Path().c_str(), 1);
            auto result = RunTalixcli({"network", "firewall", "get"});
            err = result.err;
            return result.status;
        },
        20000);
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(EndsWith(refused.err, "Refusing host root " + state.Path() +
                                          "/talix/host: group or others may write its folder " + state.Path() +
                                          "/talix (mode 0777).\n"));
    EXPECT_FALSE(fs::exists(state.Path() + "/talix/host"));

    if (::geteuid() != 0) return;
    const uid_t homeless = 54321;
    ASSERT_EQ(::getpwuid(homeless), nullptr) << "user 54321 must have no passwd entry";
    auto told = AsUser(homeless, [&](std::string&, std::string& err) {
        ::unsetenv("TALIX_HOST_ROOT");
        ::unsetenv("XDG_STATE_HOME");
        ::unsetenv("HOME");
        auto result = RunTalixcli({"network", "firewall", "get"});
        err = result.err;
        return result.status;
    });
    EXPECT_EQ(told.status, 1);
    EXPECT_TRUE(EndsWith(told.err,
                         "Cannot find a host root: neither HOME nor your user's entry names a home directory, so set "
                         "TALIX_HOST_ROOT to a directory of your own.\n"));
}

// A change that changes nothing writes nothing: not a section whose model
// stays as it was (even when its file is laid out otherwise than the host
// writes it, as the demo host's are), not a file whose new content equals
// the old, and the lock's change counter stays. A dry run shows no change.
TEST(HostRootRules, AChangeThatChangesNothingWritesNothing) {
    TempHostRoot root;
    ASSERT_EQ(RunOnHost(root, "network firewall get").status, 0);
    const std::string firewall = root.Path() + "/state/firewall.json";
    auto identity = [&] {
        struct stat info {};
        ::stat(firewall.c_str(), &info);
        return std::make_pair(info.st_ino, root.ReadFile(".lock"));
    };
    auto dry = RunOnHost(root, "--dry-run network firewall load");
    EXPECT_EQ(dry.status, 0) << dry.err;
    EXPECT_EQ(dry.out.find("state/firewall.json"), std::string::npos) << dry.out;

    auto before = identity();
    const auto files = TalixRobustness::Snapshot(root.Path());
    ASSERT_EQ(RunOnHost(root, "network firewall load").status, 0);
    EXPECT_EQ(identity(), before) << "a no-op load wrote the firewall section or counted a change";
    EXPECT_EQ(TalixRobustness::Difference(files, TalixRobustness::Snapshot(root.Path())), "");

    // Written once as the host writes it, the same value again in a batch
    // (which changes its sections in place) leaves the file alone.
    ChangeOnHost(root, "network firewall set --enabled false");
    before = identity();
    const std::string batch = root.Path() + ".batch";
    std::ofstream(batch) << "network firewall set --enabled false\n";
    auto again = RunTalixcli({"--batch", batch}, {{"TALIX_HOST_ROOT", root.Path()}});
    fs::remove(batch);
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(identity(), before) << "a batch that changes nothing wrote";
}

}  // namespace
