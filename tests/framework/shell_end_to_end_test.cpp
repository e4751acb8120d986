// The shell's own options through the talixcli binary with the network
// plug-in: format parameters checked against the command's records, version,
// a missing plug-in directory, misplaced framework options.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "support/CliHarness.h"

namespace {

using TalixTest::RunOnHost;
using TalixTest::RunTalixcli;
using TalixTest::TempHostRoot;

const char kNicFields[] =
    "Name, PCI Device, Driver, Link, Admin Status, Link Status, Speed, Duplex, MAC Address, MTU, Description, DPU Id";

TEST(FormatParamEndToEnd, UnfittingSettingsAreUsageErrorsThatListTheValidChoices) {
    TempHostRoot root;
    struct Case {
        const char* param;
        std::string message;
    };
    const Case cases[] = {
        {"fields:Nic=Name,Sped", std::string("Unknown field \"Sped\" of record Nic in --format-param \"fields:Nic\". "
                                             "Did you mean: Speed? Fields of Nic: ") +
                                     kNicFields + "."},
        {"fields:nic=Name",
         "Unknown record \"nic\" in --format-param key \"fields:nic\": this command renders Nic. "
         "Did you mean: Nic?"},
        {"fields:Nic=",
         std::string("--format-param \"fields:Nic=\" names no field: give one or more of ") + kNicFields + "."},
        {"bogus=1",
         "Unknown --format-param key \"bogus\": use fields:<Record>, header:<Record>, "
         "units:<Record>.<Field>, table-columns, table-columns:<Record> or wrap-last; this command "
         "renders Nic."},
    };
    for (const auto& c : cases) {
        auto result = RunOnHost(root, std::string("--formatter=json --format-param=") + c.param + " network nic list");
        EXPECT_EQ(result.status, 2) << c.param;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "Error: " + c.message + " See \"talixcli network nic list --help\".\n") << c.param;
    }
}

// What a fitting setting does to a table is pinned by the golden transcripts;
// JSON ignores it.
TEST(FormatParamEndToEnd, JsonStillShowsEveryFieldWithAFittingSetting) {
    TempHostRoot root;
    auto json = TalixTest::JsonOnHost(root, "--format-param=fields:Nic=Name network nic list");
    EXPECT_EQ(json.at(0).size(), 12u);
}

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

TEST(ShellEndToEnd, VersionNamesTheNetworkPluginBesideTheBinary) {
    auto version = RunTalixcli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.err, "");
    EXPECT_EQ(version.out.rfind("talixcli " TALIXCLI_VERSION "\nplug-in /", 0), 0u) << version.out;
    EXPECT_NE(version.out.find("/plugins/libnetwork.so: network\n"), std::string::npos) << version.out;
}

TEST(ShellEndToEnd, AMissingPluginDirectoryIsNamedWithHowToChooseAnother) {
    auto result = RunTalixcli({"network", "nic", "list"}, {{"TALIXCLI_PLUGIN_DIR", "/nonexistent/plugins"}});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "Error: Cannot open plug-in directory /nonexistent/plugins\n"
              "Error: No plug-in found in /nonexistent/plugins, so no namespace is available. "
              "Set TALIXCLI_PLUGIN_DIR to the directory that holds the plug-ins.\n");
}

TEST(ShellEndToEnd, AFrameworkOptionAfterTheCommandPathIsRefused) {
    TempHostRoot root;
    auto result = RunOnHost(root, "network nic list --formatter=json");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "Error: Framework option --formatter=json must come before the command path, as in "
              "\"talixcli --formatter=json network nic list ...\".\n");
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
