// Interface commands through the talixcli binary on a temporary host root, and
// the running of host programs inside that root.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "IpifFixture.h"
#include "core/SimHostTesting.h"
#include "kavrel/Lib.h"
#include "lmxctl/Util.h"

namespace {

using IpifTest::Host;
using IpifTest::Nic;
using nlohmann::json;
using TalixTest::ChangeOnHost;
using TalixTest::RunOnHost;
using TalixTest::TempHostRoot;

void WriteHost(TempHostRoot& root, const json& sections) {
    for (const auto& [name, content] : sections.items()) root.WriteSection(name, content);
}

void WriteScript(TempHostRoot& root, const std::string& path, const std::string& body) {
    root.WriteFile(path, "#!/bin/sh\n" + body);
    ::chmod((root.Path() + "/" + path).c_str(), 0755);
}

// The tag and listing are in the ip-changes transcript; the log has times in it.
TEST(InterfaceEndToEnd, DemoHostProvisioningInterfaceRestartsTheDaemon) {
    TempHostRoot root;
    ChangeOnHost(root, "network ip interface add -p \"Guest Traffic\" -N CeldraProvisioning");
    EXPECT_NE(root.ReadFile("var/log/nfcd.log").find("restart"), std::string::npos);
}

TEST(InterfaceEndToEnd, DaemonRestartRunsWithItsOptionsAndOnlyTheHostsEnvironment) {
    TempHostRoot root;
    WriteHost(root, Host({Nic("lmx0")}));
    root.WriteFile("var/log/nfcd.log", "");
    WriteScript(root, "etc/init.d/nfcd",
                "echo \"$*\" > var/log/nfcd.args\n"
                "echo \"PATH=$PATH MARK=${TALIX_TEST_MARK-unset}\" > var/log/nfcd.env\n");
    auto add = TalixTest::RunTalixcli(
        {"--formatter=json", "network", "ip", "interface", "add", "-p", "pg-b", "-N", "CeldraProvisioning"},
        {{"TALIX_HOST_ROOT", root.Path()}, {"TALIX_TEST_MARK", "set"}});
    ASSERT_EQ(add.status, 0) << add.err;
    EXPECT_EQ(root.ReadFile("var/log/nfcd.args"), "--resource-pool=host/system/daemons --min-memory=24M restart\n");
    EXPECT_EQ(root.ReadFile("var/log/nfcd.env"), "PATH=/usr/sbin:/usr/bin:/sbin:/bin MARK=unset\n");
}

TEST(InterfaceEndToEnd, FailingDaemonRestartIsReportedButTheInterfaceStays) {
    TempHostRoot root;
    WriteHost(root, Host({Nic("lmx0")}));
    WriteScript(root, "etc/init.d/nfcd", "exit 3\n");
    auto add = RunOnHost(root, "--formatter=json network ip interface add -p pg-b -N CeldraProvisioning");
    EXPECT_NE(add.err.find("Unable to start the NFC daemon. Take a look at /var/log/nfcd.log for more information."),
              std::string::npos);
    EXPECT_EQ(root.ReadSection("lmxnics")["lmxnics"].size(), 2u);
}

// Host programs run once the changes they act on are written: a single
// command's after its changes, a batch's after its commit, in line order,
// and a batch that stops runs none. A program that fails then is reported
// on its command's line; what was committed stays.
class DeferredPrograms : public ::testing::Test {
protected:
    void SetUp() override {
        WriteHost(root_, Host({Nic("lmx0")}));
        // What the daemon saw of the host when it ran.
        WriteScript(root_, "etc/init.d/nfcd",
                    "grep -o '\"lmx[0-9]*\"' state/lmxnics.json | tr '\\n' ' ' >> var/log/seen\n"
                    "echo >> var/log/seen\n"
                    "exit \"$(cat var/log/status)\"\n");
        root_.WriteFile("var/log/seen", "");
        root_.WriteFile("var/log/status", "0");
    }
    TalixTest::ProcessResult Batch(const std::string& lines, const std::string& status = "0") {
        const std::string file = root_.Path() + ".batch";
        std::ofstream(file) << lines;
        root_.WriteFile("var/log/status", status);
        auto result = TalixTest::RunTalixcli({"--batch", file}, {{"TALIX_HOST_ROOT", root_.Path()}});
        std::filesystem::remove(file);
        return result;
    }
    TempHostRoot root_;
};

TEST_F(DeferredPrograms, ASingleCommandsProgramSeesItsChangesWritten) {
    ChangeOnHost(root_, "network ip interface add -p pg-b -N CeldraProvisioning");
    EXPECT_EQ(root_.ReadFile("var/log/seen"), "\"lmx0\" \"lmx1\" \n");
}

TEST_F(DeferredPrograms, ABatchRunsItsProgramsAfterItsCommitAndAStoppedOneRunsNone) {
    auto stopped = Batch(
        "network ip interface add -p pg-b -N CeldraProvisioning\n"
        "network ip interface list\n"
        "network ip interface add -p no-such-portgroup -N CeldraProvisioning\n");
    EXPECT_EQ(stopped.status, 1);
    EXPECT_EQ(root_.ReadFile("var/log/seen"), "");
    EXPECT_EQ(root_.ReadSection("lmxnics")["lmxnics"].size(), 1u);

    auto done = Batch(
        "network ip interface add -p pg-b -N CeldraProvisioning\n"
        "network ip interface add -p pg-b -N CeldraProvisioning\n");
    EXPECT_EQ(done.status, 0) << done.err;
    // Both ran after the commit, in line order, and saw both interfaces.
    EXPECT_EQ(root_.ReadFile("var/log/seen"), "\"lmx0\" \"lmx1\" \"lmx2\" \n\"lmx0\" \"lmx1\" \"lmx2\" \n");
}

TEST_F(DeferredPrograms, AProgramThatFailsAfterTheCommitIsReportedOnItsLine) {
    auto failed = Batch(
        "# the interface list first\n"
        "network ip interface list\n"
        "network ip interface add -p pg-b -N CeldraProvisioning\n",
        "3");
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err,
              "Error: line 3: Unable to start the NFC daemon. Take a look at /var/log/nfcd.log for more "
              "information.\n");
    EXPECT_EQ(root_.ReadSection("lmxnics")["lmxnics"].size(), 2u);
}

TEST(InterfaceEndToEnd, RemoveByConnectionPointReleasesTheSwitchPort) {
    TempHostRoot root;
    WriteHost(root, Host({}));
    ChangeOnHost(root, "network ip interface add -s cds0 -P 5");
    ChangeOnHost(root, "network ip interface remove -s cds0 -P 5");
    EXPECT_EQ(root.ReadSection("lmxnics")["lmxnics"], json::array());
    EXPECT_EQ(root.ReadSection("dvswitches")["dvswitches"][0]["dvports"][0]["clients"], json::array());
}

// LmxCtl_Exec runs programs of the host root only, without a shell.
class HostPrograms : public ::testing::Test {
protected:
    void SetUp() override {
        root_.WriteSection("lmxnics", json::object());
        SimHost::UseHostRoot(root_.Path());
    }
    void TearDown() override { SimHost::UseMemoryHost(); }
    TempHostRoot root_;
};

TEST_F(HostPrograms, RunInsideTheRootWithTheirArgumentsAndStatus) {
    WriteScript(root_, "bin/probe", "echo \"$# $1 $2\" > \"$TALIX_HOST_ROOT/probe.out\"\nexit 4\n");
    EXPECT_EQ(LmxCtl::Util::LmxCtl_Exec("/bin/probe one ;two", false, true, false), 4);
    EXPECT_EQ(root_.ReadFile("probe.out"), "2 one ;two\n");  // no shell interprets ';'
}

TEST_F(HostPrograms, NothingOutsideTheRootRuns) {
    WriteScript(root_, "bin/plain", "exit 0\n");
    EXPECT_EQ(LmxCtl::Util::LmxCtl_Exec("/bin/plain", false, true, false), 0);
    EXPECT_EQ(LmxCtl::Util::LmxCtl_Exec("/bin/true", false, true, false), 127);  // the root has no bin/true
    EXPECT_EQ(LmxCtl::Util::LmxCtl_Exec("/bin/../../bin/true", false, true, false), 127);
    std::filesystem::create_symlink("/bin/true", root_.Path() + "/bin/escape");
    EXPECT_EQ(LmxCtl::Util::LmxCtl_Exec("/bin/escape", false, true, false), 127);
    root_.WriteFile("bin/data", "not a program\n");
    EXPECT_EQ(LmxCtl::Util::LmxCtl_Exec("/bin/data", false, true, false), 126);
    EXPECT_EQ(LmxCtl::Util::LmxCtl_Exec("", false, true, false), 127);
}

// Trust is checked for the program's whole way down from the root; the
// caller's explicit trust overrides it.
TEST_F(HostPrograms, OnlyATrustedRootRunsItsPrograms) {
    WriteScript(root_, "bin/probe", "echo ran > \"$TALIX_HOST_ROOT/probe.out\"\n");
    ::chmod((root_.Path() + "/bin").c_str(), 0775);
    try {
        LmxCtl::Util::LmxCtl_Exec("/bin/probe", false, true, false);
        ADD_FAILURE() << "ran from a group-writable directory";
    } catch (const Kavrel::Lib::KavrelException& failure) {
        const std::string real = std::filesystem::canonical(root_.Path()).string();
        EXPECT_EQ(failure.GetDescription(),
                  "Refusing to run " + real + "/bin/probe from host root " + real + ": " + real +
                      "/bin is writable by group or others, so another user could choose what runs. Make the host "
                      "root and its programs yours (or root's) and writable by you alone, or trust this root by "
                      "adding it to TALIX_TRUSTED_ROOTS (a colon-separated list of host roots).");
    }
    EXPECT_FALSE(std::filesystem::exists(root_.Path() + "/probe.out"));
    ::setenv("TALIX_TRUSTED_ROOTS", (root_.Path() + ":/elsewhere").c_str(), 1);
    EXPECT_EQ(LmxCtl::Util::LmxCtl_Exec("/bin/probe", false, true, false), 0);
    ::unsetenv("TALIX_TRUSTED_ROOTS");
    EXPECT_EQ(root_.ReadFile("probe.out"), "ran\n");
}

}  // namespace
