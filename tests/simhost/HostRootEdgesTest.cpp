// The host root under odd or hostile conditions: journals that name paths
// outside the root or cannot be finished, the commit point of a change, links
// in place of the lock file or of directories, and files over the size limit.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "core/Backends.h"
#include "core/HostStore.h"
#include "core/SimHostTesting.h"
#include "kavrel/Lib.h"
#include "model/FirewallModel.h"
#include "simhost/HostFailure.h"
#include "support/CaseTable.h"
#include "support/CliHarness.h"

namespace {

namespace fs = std::filesystem;
using Kavrel::Lib::KavrelException;
using SimHost::FirewallModel;
using SimHost::HostStore;
using TalixTest::RunOnHost;
using TalixTest::TempHostRoot;

// The description of the KavrelException that reading the firewall section
// raises on this root, or "" when it reads. The root's lock is released
// again, so that talixcli runs that follow are not kept waiting.
std::string ReadFailure(const std::string& root) {
    SimHost::UseHostRoot(root);
    const std::string failure = TalixTest::FailureOf([] { HostStore::Instance().Read<FirewallModel>(); });
    SimHost::UseMemoryHost();
    return failure;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class HostRootEdges : public ::testing::Test {
protected:
    void SetUp() override {
        root_.WriteSection("firewall", {{"enabled", true}});
        outside_.WriteFile("victim", "precious\n");
    }
    void TearDown() override { SimHost::UseMemoryHost(); }
    std::string Outside() const { return outside_.Path(); }
    // The outside directory as seen from the root: "../talix-host-XXXXXX".
    std::string OutsideFromRoot() const { return "../" + fs::path(outside_.Path()).filename().string(); }
    bool Exists(const std::string& relative) const {
        return fs::exists(fs::symlink_status(root_.Path() + "/" + relative));
    }

    TempHostRoot root_;
    TempHostRoot outside_;
};

// Replay checks every path exactly as a write does; a journal that names one
// it could never have written is refused whole, kept, and touches nothing.
TEST_F(HostRootEdges, AJournalNamingAPathOutsideTheRootIsRefusedAndKept) {
    fs::create_directory_symlink(Outside(), root_.Path() + "/away");
    root_.WriteFile("state/firewall.json.tmp.7", "{\"enabled\": false}\n");
    auto place = [&](std::string text) {
        for (const auto& [name, value] : {std::pair<std::string, std::string>{"{out}", OutsideFromRoot()},
                                          {"{outside}", Outside()},
                                          {"{root}", root_.Path()}}) {
            for (size_t at; (at = text.find(name)) != std::string::npos;) text.replace(at, name.size(), value);
        }
        return text;
    };
    for (const auto& row : TalixTest::ReadCaseTable("simhost/journal_cases.tsv", 2)) {
        SCOPED_TRACE(row.where);
        root_.WriteFile(".journal", place(row.fields[0]));
        std::string failure = ReadFailure(root_.Path());
        EXPECT_TRUE(Contains(failure, "unfinished change that cannot be completed: journal " + root_.Path() +
                                          "/.journal " + place(row.fields[1]) + ". Every command is refused"))
            << failure;
        EXPECT_EQ(outside_.ReadFile("victim"), "precious\n");
        EXPECT_TRUE(Exists(".journal"));
        EXPECT_TRUE(Exists("state/firewall.json.tmp.7"));
        EXPECT_TRUE(root_.ReadSection("firewall")["enabled"].get<bool>());
    }
    // The same through talixcli: one message, every command refused.
    root_.WriteFile(".journal", "D " + OutsideFromRoot() + "/victim\n");
    for (const std::string command : {"--formatter=json network nic list", "network firewall set --enabled false"}) {
        auto result = RunOnHost(root_, command);
        EXPECT_EQ(result.status, 1) << command;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        EXPECT_TRUE(
            Contains(result.err, root_.Path() + "/.journal names the unsafe path " + OutsideFromRoot() + "/victim"))
            << result.err;
    }
    EXPECT_EQ(outside_.ReadFile("victim"), "precious\n");
}

// A rename refused while a journal is replayed: the journal stays, every
// command is refused naming it and the path, and once the cause is gone the
// next command completes the change.
TEST_F(HostRootEdges, AReplayThatCannotFinishKeepsItsJournalUntilTheChangeCanBeCompleted) {
    root_.WriteFile("state/firewall.json.tmp.99", "{\"enabled\": false}\n");
    root_.WriteFile("etc/hosts.tmp.99", "new\n");
    root_.WriteFile("etc/hosts/blocker", "a directory where the file goes\n");
    root_.WriteFile(".journal", "W state/firewall.json.tmp.99 state/firewall.json\nW etc/hosts.tmp.99 etc/hosts\n");

    const std::string expected =
        "journal " + root_.Path() + "/.journal cannot replace " + root_.Path() + "/etc/hosts: ";
    EXPECT_TRUE(Contains(ReadFailure(root_.Path()), expected)) << ReadFailure(root_.Path());
    auto refused = RunOnHost(root_, "--formatter=json network firewall get");
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(Contains(refused.err, expected)) << refused.err;
    EXPECT_TRUE(Exists(".journal"));
    EXPECT_TRUE(Exists("etc/hosts.tmp.99"));

    fs::remove_all(root_.Path() + "/etc/hosts");
    auto completed = RunOnHost(root_, "--formatter=json network firewall get");
    ASSERT_EQ(completed.status, 0) << completed.err;
    EXPECT_FALSE(nlohmann::json::parse(completed.out)["Enabled"].get<bool>());
    EXPECT_EQ(root_.ReadFile("etc/hosts"), "new\n");
    EXPECT_FALSE(Exists(".journal"));
}

// What a command reports is what the host ends up with: a change refused
// before its commit point fails and never appears later.
TEST_F(HostRootEdges, AChangeRefusedBeforeItsCommitPointNeverAppearsLater) {
    root_.WriteFile("etc/hosts/blocker", "a directory where the file goes\n");
    SimHost::UseHostRoot(root_.Path());
    SimHost::Transaction transaction(HostStore::Instance());
    transaction.Edit<FirewallModel>().enabled = false;
    transaction.WriteText("etc/hosts", "127.0.0.1 localhost\n");
    EXPECT_EQ(TalixTest::FailureOf([&] { transaction.Commit(); }),
              "Cannot replace " + root_.Path() + "/etc/hosts: it is a directory");
    EXPECT_FALSE(Exists(".journal"));
    EXPECT_FALSE(Exists("state/firewall.json.tmp." + std::to_string(::getpid())));
    fs::remove_all(root_.Path() + "/etc/hosts");
    EXPECT_EQ(ReadFailure(root_.Path()), "");
    EXPECT_TRUE(root_.ReadSection("firewall")["enabled"].get<bool>());
}

// An immutable file (needs root and a file system with the attribute): the
// change is refused before the commit point, so lifting the attribute later
// does not bring the refused change back.
TEST_F(HostRootEdges, AnImmutableTargetFailsTheChangeForGood) {
    root_.WriteFile("etc/hosts", "old\n");
    const std::string hosts = root_.Path() + "/etc/hosts";
    // An immutable and an append-only file can be neither replaced nor removed.
    for (const auto& [attribute, reason] : {std::pair<std::string, std::string>{"i", "it is immutable"},
                                            std::pair<std::string, std::string>{"a", "it is append-only"}}) {
        if (::geteuid() != 0 || std::system(("chattr +" + attribute + " " + hosts + " 2>/dev/null").c_str()) != 0) {
            GTEST_SKIP() << "cannot set file attributes here";
        }
        auto refused = RunOnHost(root_, "network ip hosts add -I 10.0.0.9 -H nine");
        std::system(("chattr -" + attribute + " " + hosts).c_str());
        EXPECT_EQ(refused.status, 1);
        EXPECT_TRUE(Contains(refused.err, "Cannot replace " + hosts + ": " + reason)) << refused.err;
        EXPECT_FALSE(Exists(".journal"));
        EXPECT_EQ(RunOnHost(root_, "--formatter=json network nic list").status, 0);
        EXPECT_EQ(root_.ReadFile("etc/hosts"), "old\n");
    }
}

TEST_F(HostRootEdges, TheLockFileIsNeverFollowed) {
    fs::create_symlink(Outside() + "/created", root_.Path() + "/.lock");
    for (const std::string command :
         {"--formatter=json network firewall get", "network firewall set --enabled false"}) {
        auto result = RunOnHost(root_, command);
        EXPECT_EQ(result.status, 1) << command;
        EXPECT_TRUE(Contains(result.err, "Cannot open host lock " + root_.Path() +
                                             "/.lock: it is a symbolic link, not a regular file\n"))
            << result.err;
    }
    EXPECT_FALSE(fs::exists(Outside() + "/created"));
    fs::remove(root_.Path() + "/.lock");
    fs::create_symlink(Outside() + "/victim", root_.Path() + "/.lock");
    EXPECT_EQ(RunOnHost(root_, "network firewall set --enabled false").status, 1);
    EXPECT_EQ(outside_.ReadFile("victim"), "precious\n");
    EXPECT_TRUE(root_.ReadSection("firewall")["enabled"].get<bool>());
}

// state/ or etc/ as a link: followed only while it stays inside the root.
TEST_F(HostRootEdges, DirectoriesThatLeadOutOfTheRootAreRefused) {
    outside_.WriteSection("firewall", {{"enabled", false}});
    const std::string outsideFirewall = outside_.ReadFile("state/firewall.json");
    fs::rename(root_.Path() + "/state", root_.Path() + "/real-state");
    fs::create_directory_symlink(Outside() + "/state", root_.Path() + "/state");
    EXPECT_EQ(ReadFailure(root_.Path()), "Refusing host path " + root_.Path() +
                                             "/state: it leads out of the host root to " +
                                             fs::canonical(Outside()).string() + "/state");
    EXPECT_EQ(RunOnHost(root_, "network firewall set --enabled true").status, 1);
    EXPECT_EQ(outside_.ReadFile("state/firewall.json"), outsideFirewall);

    // A link that stays inside the root is a directory like any other.
    fs::remove(root_.Path() + "/state");
    fs::create_directory_symlink("real-state", root_.Path() + "/state");
    EXPECT_EQ(ReadFailure(root_.Path()), "");

    fs::create_directory_symlink(Outside(), root_.Path() + "/etc");
    auto add = RunOnHost(root_, "network ip hosts add -I 10.0.0.9 -H nine");
    EXPECT_EQ(add.status, 1);
    EXPECT_TRUE(Contains(add.err, "Refusing host path " + root_.Path() + "/etc: it leads out of the host root"))
        << add.err;
    EXPECT_FALSE(fs::exists(Outside() + "/hosts"));

    // A link to nothing is neither followed nor replaced when a change needs the directory.
    fs::remove(root_.Path() + "/etc");
    fs::create_directory_symlink(Outside() + "/gone", root_.Path() + "/etc");
    add = RunOnHost(root_, "network ip hosts add -I 10.0.0.9 -H nine");
    EXPECT_EQ(add.status, 1);
    EXPECT_TRUE(Contains(add.err, "Refusing host path " + root_.Path() +
                                      "/etc: it is a link that cannot be resolved (No such file or directory)"))
        << add.err;
    EXPECT_FALSE(fs::exists(Outside() + "/gone"));
}

// A section over the limit is refused by its size, before any of it is read:
// a sparse 6 GiB file and a 1 TiB one cost nothing.
TEST_F(HostRootEdges, ASectionOverTheSizeLimitIsRefusedBeforeItIsRead) {
    const std::string section = root_.Path() + "/state/firewall.json";
    for (off_t size : {off_t{6} << 30, off_t{1} << 40, static_cast<off_t>(SimHost::kMaxHostFileBytes) + 1}) {
        ASSERT_EQ(::truncate(section.c_str(), size), 0);
        EXPECT_EQ(ReadFailure(root_.Path()), "Cannot read host state file " + section + ": it holds " +
                                                 std::to_string(size) +
                                                 " bytes, more than the limit of 268435456 (256 MiB)");
    }
    auto result = RunOnHost(root_, "--formatter=json network firewall get");
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(Contains(result.err, section + ": it holds 268435457 bytes")) << result.err;
}

// The store's own guard, behind every path the host library makes: a name
// that could leave the root is refused for reading and for writing, and the
// file outside stays as it was.
TEST_F(HostRootEdges, UnsafeNamesAreRefusedForReadingAndWriting) {
    const std::string escape = OutsideFromRoot() + "/victim";
    const std::string reason = SimHost::UnsafeHostPathReason(escape);
    ASSERT_NE(reason, "");
    SimHost::UseHostRoot(root_.Path());
    EXPECT_EQ(TalixTest::FailureOf([&] { HostStore::Instance().ReadText(escape); }),
              "Refusing to read host file with an unsafe name: " + escape + " (" + reason + ")");
    EXPECT_EQ(TalixTest::FailureOf([&] {
                  SimHost::Transaction transaction(HostStore::Instance());
                  transaction.WriteText(escape, "overwritten\n");
                  transaction.Commit();
              }),
              "Refusing to write host file with an unsafe name: " + escape);
    SimHost::UseMemoryHost();
    std::ifstream victim(Outside() + "/victim");
    std::string content((std::istreambuf_iterator<char>(victim)), std::istreambuf_iterator<char>());
    EXPECT_EQ(content, "precious\n");
}

// A host file that cannot be written (here: larger than the process may
// write) fails the change with the system's reason, and the host keeps the
// file as it was.
TEST(HostRootWrites, AFileThatCannotBeWrittenFailsTheChangeAndKeepsTheHost) {
    TempHostRoot root;
    ASSERT_EQ(RunOnHost(root, "network nic list").status, 0);
    const std::string before = root.ReadFile("state/pnics.json");
    ASSERT_GT(before.size(), 16u * 1024);

    // Limits and ignored signals pass to the talixcli the test starts; the
    // test's own writes come before and after.
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 8 * 1024;
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    auto result = RunOnHost(root, "network nic queue count set -n pnic0 -r true -q 6");
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &saved), 0);
    std::signal(SIGXFSZ, previous);

    EXPECT_EQ(result.status, 1);
    const std::string prefix = "Cannot write " + root.Path() + "/state/pnics.json.tmp.";
    EXPECT_EQ(result.err.rfind(prefix, 0), 0u) << result.err;
    EXPECT_NE(result.err.find(": File too large\n"), std::string::npos) << result.err;
    EXPECT_EQ(root.ReadFile("state/pnics.json"), before);
}

// A process that only looks (shell completion) neither changes the host nor
// finishes another's change: both are refused with their reason.
TEST_F(HostRootEdges, LookingNeitherChangesNorRepairs) {
    auto look = [&] { HostStore::Instance().UseBackend(SimHost::MakeLookingDirectoryBackend(root_.Path())); };
    using TalixTest::FailureOf;
    ASSERT_EQ(ReadFailure(root_.Path()), "");  // the root in use, as completion finds it
    look();
    EXPECT_EQ(FailureOf([] { HostStore::Instance().Read<FirewallModel>(); }), "");
    EXPECT_EQ(
        FailureOf([] { HostStore::Instance().Update<FirewallModel>([](FirewallModel& f) { f.enabled = false; }); }),
        "Cannot change host root " + root_.Path() + " while only looking at it");
    SimHost::UseMemoryHost();

    root_.WriteFile(".journal", "");
    look();
    EXPECT_EQ(FailureOf([] { HostStore::Instance().Read<FirewallModel>(); }),
              "Host root " + root_.Path() + " needs a command to finish a change first");
    SimHost::UseMemoryHost();
    EXPECT_TRUE(Exists(".journal"));
}

TEST(HostPaths, OnlyPlainRelativePathsAreHostPaths) {
    for (const auto& row : TalixTest::ReadCaseTable("simhost/host_paths.tsv", 2)) {
        SCOPED_TRACE(row.where);
        EXPECT_EQ(SimHost::UnsafeHostPathReason(row.fields[0]), row.fields[1]);
    }
}

}  // namespace
