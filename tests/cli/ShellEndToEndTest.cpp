// The shell's own options through the talixcli binary with the network
// plug-in, where a transcript cannot tell (the shell-options transcript shows
// what users read): a refused format parameter leaves the host alone, the
// version names the plug-in by its path, the heap switch changes nothing.
#include <gtest/gtest.h>

#include "support/CliHarness.h"

namespace {

using TalixTest::RunOnHost;
using TalixTest::RunTalixcli;
using TalixTest::TempHostRoot;

TEST(FormatParamEndToEnd, ARefusedSettingLeavesTheHostUnchanged) {
    TempHostRoot root;
    ASSERT_EQ(RunOnHost(root, "network firewall set -e true").status, 0);
    const std::string before = root.ReadFile("state/firewall.json");
    auto refused = RunOnHost(root, "--format-param=fields:Firewall=Loaded network firewall set -e false");
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err,
              "Error: Unknown record \"Firewall\" in --format-param key \"fields:Firewall\": this command renders "
              "no records. See \"talixcli network firewall set --help\".\n");
    EXPECT_EQ(root.ReadFile("state/firewall.json"), before);
}

// TALIX_HOST chooses the host; an empty value is the default, a value the
// shell does not know stops it before any plug-in is loaded.
TEST(ShellEndToEnd, TalixHostChoosesTheHostOrIsRefused) {
    for (const char* value : {"", "simulated"}) {
        auto version = RunTalixcli({"--version"}, {{"TALIX_HOST", value}});
        EXPECT_EQ(version.status, 0) << value;
        EXPECT_NE(version.out.find("/plugins/libnetwork.so: network (simulated host)\n"), std::string::npos)
            << value << ": " << version.out;
    }
    for (const char* value : {"bogus", "Linux", "../linux"}) {
        auto refused = RunTalixcli({"network", "nic", "list"}, {{"TALIX_HOST", value}});
        EXPECT_EQ(refused.status, 2) << value;
        EXPECT_EQ(refused.err, std::string("Error: TALIX_HOST must be simulated or linux, not '") + value + "'.\n");
        EXPECT_EQ(refused.out, "");
    }
}

TEST(ShellEndToEnd, VersionNamesTheNetworkPluginBesideTheBinary) {
    auto version = RunTalixcli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.err, "");
    EXPECT_EQ(version.out.rfind("talixcli " TALIXCLI_VERSION "\nplug-in /", 0), 0u) << version.out;
    EXPECT_NE(version.out.find("/plugins/libnetwork.so: network (simulated host)\n"), std::string::npos) << version.out;
}

}  // namespace

// TALIXCLI_PLAIN_HEAP leaves the heap as the C library sets it up; commands
// that change the host and list it behave the same either way.
TEST(TalixcliBinary, PlainHeapSwitchChangesNothingACommandDoes) {
    const std::vector<std::vector<std::string>> lines{
        {"network", "vswitch", "standard", "add", "-v", "vSwitchHeap", "-P", "64"},
        {"--formatter=json", "network", "vswitch", "standard", "list"},
        {"--formatter=json", "network", "nic", "list"},
    };
    TempHostRoot prepared;
    TempHostRoot plain;
    for (const auto& line : lines) {
        auto usual = RunTalixcli(line, {{"TALIX_HOST_ROOT", prepared.Path()}});
        auto unprepared = RunTalixcli(line, {{"TALIX_HOST_ROOT", plain.Path()}, {"TALIXCLI_PLAIN_HEAP", "1"}});
        EXPECT_EQ(usual.status, 0) << usual.err;
        EXPECT_EQ(unprepared.status, usual.status) << unprepared.err;
        EXPECT_EQ(unprepared.out, usual.out);
        EXPECT_EQ(unprepared.err, usual.err);
    }
    EXPECT_EQ(plain.ReadFile("state/vswitches.json"), prepared.ReadFile("state/vswitches.json"));
}
