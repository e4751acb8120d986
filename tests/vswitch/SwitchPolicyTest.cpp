// Standard switch policies: failover uplink ordering, failure detection and
// failback words, security, and shaping units and strict mode.
#include <string>

#include "VswitchFixture.h"

namespace VswitchTest {
namespace {

using TalixTest::Errors;
using TalixTest::RootJson;

// vs0 has pnic0..pnic3 as uplinks with the order pnic0, pnic1 (active), pnic2 (standby); pnic3 is unused.
json OrderedSwitch() {
    return {{"name", "vs0"},
            {"uplinks", {"pnic0", "pnic1", "pnic2", "pnic3"}},
            {"teaming", {{"uplinkOrder", {"pnic0", "pnic1", "pnic2"}}, {"maxActive", 2}}}};
}

class SwitchPolicyTest : public VswitchHostTest {
protected:
    void SetUp() override {
        VswitchHostTest::SetUp();
        UseHost(Host(json::array({OrderedSwitch(), {{"name", "other"}}})));
    }
    json Failover() { return RootJson(Run("network vswitch standard policy failover get -v vs0")); }
};

struct OrderCase {
    const char* name;
    std::string options;
    std::vector<std::string> errors;  // empty: the order is written
    json active;
    json standby;
    json unused;
};

TEST_F(SwitchPolicyTest, FailoverUplinkOrdering) {
    const std::vector<OrderCase> cases = {
        {"active only keeps the old standby", "-a pnic3,pnic0", {}, {"pnic3", "pnic0"}, {"pnic2"}, {"pnic1"}},
        {"active only takes a standby NIC out of standby",
         "-a pnic2",
         {},
         {"pnic2"},
         json::array(),
         {"pnic0", "pnic1", "pnic3"}},
        {"standby only demotes an active NIC", "-s pnic1", {}, {"pnic0"}, {"pnic1"}, {"pnic2", "pnic3"}},
        {"standby only adds after the kept actives",
         "-s pnic3,pnic2",
         {},
         {"pnic0", "pnic1"},
         {"pnic3", "pnic2"},
         json::array()},
        {"both lists replace the order", "-a pnic2 -s pnic3", {}, {"pnic2"}, {"pnic3"}, {"pnic0", "pnic1"}},
        {"duplicates are refused",
         "-a pnic0,pnic0",
         {"some NICs appear in the input for more than once."},
         {"pnic0", "pnic1"},
         {"pnic2"},
         {"pnic3"}},
        {"a NIC in both lists is a duplicate",
         "-a pnic0 -s pnic0",
         {"some NICs appear in the input for more than once."},
         {"pnic0", "pnic1"},
         {"pnic2"},
         {"pnic3"}},
        {"an unknown NIC is reported, the others still walked",
         "-a pnic0,eth9,pnic5",
         {"Unknown NIC name in active uplinks : eth9", "Unknown NIC name in active uplinks : pnic5"},
         {"pnic0", "pnic1"},
         {"pnic2"},
         {"pnic3"}},
        {"a NIC of the host that is no uplink",
         "-s pnic4",
         {"NIC is not connected to the vswitch : pnic4"},
         {"pnic0", "pnic1"},
         {"pnic2"},
         {"pnic3"}},
        {"an empty piece is an unknown empty name",
         "--active-uplinks=pnic0,,pnic1",
         {"Unknown NIC name in active uplinks : "},
         {"pnic0", "pnic1"},
         {"pnic2"},
         {"pnic3"}},
        {"a leading comma gives an empty name",
         "--standby-uplinks=,pnic3",
         {"Unknown NIC name in standby uplinks : "},
         {"pnic0", "pnic1"},
         {"pnic2"},
         {"pnic3"}},
        {"a trailing comma gives none", "--active-uplinks=pnic1,", {}, {"pnic1"}, {"pnic2"}, {"pnic0", "pnic3"}},
        {"two trailing commas give one empty name",
         "--active-uplinks=pnic1,,",
         {"Unknown NIC name in active uplinks : "},
         {"pnic0", "pnic1"},
         {"pnic2"},
         {"pnic3"}},
        {"an empty list makes no NIC active",
         "--active-uplinks=",
         {},
         json::array(),
         {"pnic2"},
         {"pnic0", "pnic1", "pnic3"}},
    };
    for (const auto& entry : cases) {
        SetUp();
        auto result = Run("network vswitch standard policy failover set -v vs0 " + entry.options);
        EXPECT_EQ(Errors(result), entry.errors) << entry.name;
        EXPECT_EQ(RootJson(result), json(true)) << entry.name;
        auto failover = Failover();
        EXPECT_EQ(json::array({failover["Active Adapters"], failover["Standby Adapters"], failover["Unused Adapters"]}),
                  json::array({entry.active, entry.standby, entry.unused}))
            << entry.name;
    }
}

TEST_F(SwitchPolicyTest, ErrorsOfOneSettingKeepTheOthersFromBeingWritten) {
    ExpectRefused("network vswitch standard policy failover set -v vs0 -l iphash -n false -a bogus",
                  {"Unknown NIC name in active uplinks : bogus"}, true);
}

TEST_F(SwitchPolicyTest, LoadBalancingFailureDetectionNotifyAndFailbackWords) {
    struct Case {
        std::string options;
        std::string loadBalancing;
        std::string detection;
        bool notify;
        bool failback;
    };
    const std::vector<Case> cases = {
        {"-l iphash -f beacon -n false -b false", "iphash", "beacon", false, false},
        {"-l mac -f link -n true -b true", "srcmac", "link", true, true},
        {"-l portid", "srcport", "link", true, true},
        {"-l explicit -f beacon", "explicit", "beacon", true, true},
    };
    for (const auto& entry : cases) {
        SetUp();
        Change("network vswitch standard policy failover set -v vs0 " + entry.options);
        auto failover = Failover();
        // The uplink order is untouched without an uplink list.
        EXPECT_EQ(json::array({failover["Load Balancing"], failover["Network Failure Detection"],
                               failover["Notify Switches"], failover["Failback"], failover["Active Adapters"]}),
                  json::array({entry.loadBalancing, entry.detection, entry.notify, entry.failback, {"pnic0", "pnic1"}}))
            << entry.options;
    }
}

TEST_F(SwitchPolicyTest, StoredValuesOutsideTheTablesAndOversizedActiveCounts) {
    json odd = {{"name", "vs0"},
                {"uplinks", {"pnic0", "pnic1"}},
                {"teaming", {{"loadBalancing", 9}, {"uplinkOrder", {"pnic1", "pnic0"}}, {"maxActive", 5}}}};
    UseHost(Host(json::array({odd})));
    auto failover = Failover();
    EXPECT_EQ(failover, json::parse(R"({"Active Adapters": ["pnic1", "pnic0"], "Failback": true,
        "Load Balancing": "unknown", "Network Failure Detection": "link",
        "Notify Switches": true, "Standby Adapters": [],
        "Unused Adapters": []})"));
    // A standby list after such a count still leaves the named NIC standby.
    Change("network vswitch standard policy failover set -v vs0 -s pnic0");
    failover = Failover();
    EXPECT_EQ(failover, json::parse(R"({"Active Adapters": ["pnic1"], "Failback": true,
        "Load Balancing": "unknown", "Network Failure Detection": "link",
        "Notify Switches": true, "Standby Adapters": ["pnic0"],
        "Unused Adapters": []})"));
}

TEST_F(SwitchPolicyTest, UnknownSwitchesAreReportedByEveryPolicyCommand) {
    for (const char* command : {"failover get -v x", "failover set -v x -n true", "security get -v x",
                                "security set -v x -p true", "shaping get -v x", "shaping set -v x -e false"}) {
        ExpectRefused(std::string("network vswitch standard policy ") + command,
                      "Unable to find a legacy virtual switch with the name x");
    }
    // A system switch is not a legacy switch.
    UseHost(Host(json::array({{{"name", "sys"}, {"system", true}}})));
    ExpectRefused("network vswitch standard policy security get -v sys",
                  "Unable to find a legacy virtual switch with the name sys");
}

TEST_F(SwitchPolicyTest, SecuritySetChangesOnlyTheGivenFlags) {
    Change("network vswitch standard policy security set -v vs0 -p true -f false");
    EXPECT_EQ(
        RootJson(Run("network vswitch standard policy security get -v vs0")),
        json({{"Allow Promiscuous", true}, {"Allow MAC Address Change", true}, {"Allow Forged Transmits", false}}));
    Change("network vswitch standard policy security set -v vs0 -m false");
    EXPECT_EQ(
        RootJson(Run("network vswitch standard policy security get -v vs0")),
        json({{"Allow Promiscuous", true}, {"Allow MAC Address Change", false}, {"Allow Forged Transmits", false}}));
}

TEST_F(SwitchPolicyTest, ShapingValuesAreStoredInBitsAndBytesAndShownInKbpsAndKib) {
    Change("network vswitch standard policy shaping set -v vs0 -e true -b 1000 -k 2000 -t 100");
    EXPECT_EQ(StoredSwitch("vs0")["shaping"],
              json({{"enabled", true}, {"averageBps", 1000000}, {"peakBps", 2000000}, {"burstBytes", 12800}}));
    EXPECT_EQ(RootJson(Run("network vswitch standard policy shaping get -v vs0")),
              json({{"Enabled", true}, {"Average Bandwidth", 1000}, {"Peak Bandwidth", 2000}, {"Burst Size", 100}}));
}

TEST_F(SwitchPolicyTest, ShapingGetRoundsTowardZeroAndShowsMinusOneWhenDisabled) {
    json vs0 = {{"name", "vs0"},
                {"shaping", {{"enabled", true}, {"averageBps", 1999}, {"peakBps", 5000}, {"burstBytes", 255}}}};
    UseHost(Host(json::array({vs0, {{"name", "off"}, {"shaping", {{"enabled", false}, {"averageBps", 8000}}}}})));
    EXPECT_EQ(RootJson(Run("network vswitch standard policy shaping get -v vs0")),
              json({{"Enabled", true}, {"Average Bandwidth", 1}, {"Peak Bandwidth", 5}, {"Burst Size", 1}}));
    EXPECT_EQ(RootJson(Run("network vswitch standard policy shaping get -v off")),
              json({{"Enabled", false}, {"Average Bandwidth", -1}, {"Peak Bandwidth", -1}, {"Burst Size", -1}}));
}

TEST_F(SwitchPolicyTest, ShapingStrictModeNamesEachMissingValueAndWritesNothing) {
    json before = Section("vswitches");
    auto result = Run("network vswitch standard policy shaping set -v vs0 -e true -b 100");
    EXPECT_EQ(Errors(result), (std::vector<std::string>{"Missing required parameter --peak-bandwidth",
                                                        "Missing required parameter --burst-size"}));
    EXPECT_EQ(RootJson(result), json(true));
    EXPECT_EQ(Section("vswitches"), before);

    auto none = Run("network vswitch standard policy shaping set -v vs0 -e true");
    EXPECT_EQ(Errors(none).size(), 3u);
    EXPECT_EQ(Errors(none)[0], "Missing required parameter --avg-bandwidth");
}

TEST_F(SwitchPolicyTest, ShapingWithoutEnabledFollowsTheStoredState) {
    // Disabled: values are ignored and nothing is checked.
    Change("network vswitch standard policy shaping set -v vs0 -b 100");
    EXPECT_EQ(RootJson(Run("network vswitch standard policy shaping get -v vs0"))["Enabled"], false);

    // Enabled: a single value changes without strict checks.
    Change("network vswitch standard policy shaping set -v vs0 -e true -b 100 -k 200 -t 10");
    Change("network vswitch standard policy shaping set -v vs0 -k 300");
    EXPECT_EQ(RootJson(Run("network vswitch standard policy shaping get -v vs0"))["Peak Bandwidth"], 300);
    Change("network vswitch standard policy shaping set -v vs0 -e false");
    EXPECT_EQ(RootJson(Run("network vswitch standard policy shaping get -v vs0"))["Average Bandwidth"], -1);
}

TEST_F(SwitchPolicyTest, TheHostRefusesAPeakBelowTheAverage) {
    ExpectRefused("network vswitch standard policy shaping set -v vs0 -e true -b 500 -k 100 -t 10",
                  "Peak bandwidth 100000 bps is lower than average bandwidth 500000 bps");
}

TEST_F(SwitchPolicyTest, TheHostRefusesBandwidthsItCannotKeep) {
    ExpectRefused(
        "network vswitch standard policy shaping set -v vs0 -e true -b 9223372036854775807 "
        "-k 9223372036854775807 -t 1",
        "Shaping value 18446744073709551615 is too large");
}

TEST_F(SwitchPolicyTest, WriteFailuresOfThePoliciesBecomeMessages) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Portset::SetTeamingPolicy", "failover set -v vs0 -l iphash"},
        {"Portset::GetTeamingPolicy", "failover get -v vs0"},
        {"Portset::SetSecurityPolicy", "security set -v vs0 -p true"},
        {"Portset::SetShapingPolicy", "shaping set -v vs0 -e false"},
        {"PortsetImpl::IsValidVirtualSwitch", "shaping get -v vs0"},
    };
    for (const auto& entry : cases) {
        SetUp();
        InjectFault(entry.first, "policy store is read-only");
        ExpectRefused("network vswitch standard policy " + entry.second, "policy store is read-only");
    }
}

}  // namespace
}  // namespace VswitchTest
