// Port groups: lifecycle, VLAN IDs, listing, and policies that inherit from
// the switch field by field.
#include <string>

#include "VswitchFixture.h"
#include "kavrel/Lib.h"
#include "lmxctl/VirtualSwitch.h"

namespace VswitchTest {
namespace {

using TalixTest::Errors;
using TalixTest::RootJson;

// vs0: uplinks pnic0..pnic2, order pnic0 (active), pnic1 (standby); shaping
// values set but disabled; port group "pg" with no overrides and "busy" with a client.
json PortGroupSwitch() {
    return {{"name", "vs0"},
            {"uplinks", {"pnic0", "pnic1", "pnic2"}},
            {"teaming", {{"loadBalancing", 3}, {"uplinkOrder", {"pnic0", "pnic1"}}, {"maxActive", 1}}},
            {"shaping", {{"enabled", false}, {"averageBps", 100000}, {"peakBps", 200000}, {"burstBytes", 1280}}},
            {"portgroups", {{{"name", "pg"}, {"vlanId", 10}}, {{"name", "busy"}}}},
            {"ports", {{{"portId", 5}, {"clientName", "lmx3"}, {"clientType", "lmxnic"}, {"portgroup", "busy"}}}}};
}

// The refusals of a shaping value that neither the port group nor its switch holds.
const char kAverageMissingOnBothLevels[] =
    "Unable to set shaping policy. An Average BPS value must be set on either this port group or on the parent "
    "virtual switch.";
const char kBurstMissingOnBothLevels[] =
    "Unable to set shaping policy. A Burst Size value must be set on either this port group or on the parent "
    "virtual switch.";

// The failover record of "pg" while it overrides nothing: the switch's own.
json InheritedFailover() {
    return json::parse(R"({"Active Adapters": ["pnic0"], "Failback": true,
        "Load Balancing": "srcport", "Network Failure Detection": "link",
        "Notify Switches": true, "Override Vswitch Failback": false,
        "Override Vswitch Load Balancing": false,
        "Override Vswitch Network Failure Detection": false,
        "Override Vswitch Notify Switches": false,
        "Override Vswitch Uplinks": false, "Standby Adapters": ["pnic1"],
        "Unused Adapters": ["pnic2"]})");
}

// A row of the port group listing.
json Row(const char* name, const char* vswitch, int clients, int vlan) {
    return {{"Name", name}, {"Virtual Switch", vswitch}, {"Active Clients", clients}, {"VLAN ID", vlan}};
}

class PortGroupTest : public VswitchHostTest {
protected:
    void SetUp() override {
        VswitchHostTest::SetUp();
        UseHost(Host(json::array({PortGroupSwitch(), {{"name", "bare"}}})));
    }
    json Get(const std::string& policy, const std::string& portgroup = "pg") {
        return RootJson(Run("network vswitch standard portgroup policy " + policy + " get -p " + portgroup));
    }
    json StoredPortGroup(const std::string& name) {
        json stored = Section("vswitches");
        for (const auto& vswitch : stored["vswitches"]) {
            for (const auto& group : vswitch["portgroups"]) {
                if (group["name"] == name) return group;
            }
        }
        return nullptr;
    }
};

TEST_F(PortGroupTest, AddRemoveAndList) {
    Change("network vswitch standard portgroup add -p \"New Group\" -v bare");
    EXPECT_EQ(RootJson(Run("network vswitch standard portgroup list")),
              json::array({Row("pg", "vs0", 0, 10), Row("busy", "vs0", 1, 0), Row("New Group", "bare", 0, 0)}));

    ExpectRefused("network vswitch standard portgroup add -p pg -v bare",
                  "A port group named pg already exists on virtual switch vs0");
    ExpectRefused("network vswitch standard portgroup remove -p busy -v vs0",
                  "Cannot remove port group busy: it has 1 active clients");
    ExpectRefused("network vswitch standard portgroup remove -p pg -v bare",
                  "Port group pg does not exist on virtual switch bare");
    Change("network vswitch standard portgroup remove -p \"New Group\" -v bare");
    EXPECT_TRUE(StoredPortGroup("New Group").is_null());
}

TEST_F(PortGroupTest, AddAndRemoveReportAMissingSwitch) {
    for (const char* verb : {"add", "remove"}) {
        ExpectRefused(std::string("network vswitch standard portgroup ") + verb + " -p pg2 -v ghost",
                      "Unable to find a virtual switch with name ghost");
    }
}

TEST_F(PortGroupTest, ListByTypeAndTypeWord) {
    UseHost(Host(json::array(
        {PortGroupSwitch(), {{"name", "sys"}, {"system", true}, {"portgroups", {{{"name", "internal"}}}}}})));
    EXPECT_EQ(RootJson(Run("network vswitch standard portgroup list -t system")),
              json::array({Row("internal", "sys", 0, 0)}));
    ExpectRefused("network vswitch standard portgroup list -t vm", "Invalid type value, should be 'system'.");
}

TEST_F(PortGroupTest, VlanIdsAreRangeCheckedAndRequired) {
    Change("network vswitch standard portgroup set -p pg -v 4095");
    EXPECT_EQ(StoredPortGroup("pg")["vlanId"], 4095);
    EXPECT_EQ(Run("network vswitch standard portgroup set -p pg -v 4096").status, Parvik::AutoCli::EXIT_USAGE);
    EXPECT_EQ(Run("network vswitch standard portgroup set -p pg -v -1").status, Parvik::AutoCli::EXIT_USAGE);
    ExpectRefused("network vswitch standard portgroup set -p pg", "Missing required parameter --vlan-id");
    ExpectRefused("network vswitch standard portgroup set -p nope -v 5",
                  "Unable to find a port group with the name nope");
    EXPECT_EQ(StoredPortGroup("pg")["vlanId"], 4095);
}

TEST_F(PortGroupTest, TheHostItselfRefusesVlanIdsOutOfRange) {
    LmxCtl::Network::PortGroupImpl portgroup("pg");
    for (int64_t vlanId : {-1, 4096, 70000}) {
        try {
            portgroup.SetVlanId(vlanId);
            ADD_FAILURE() << vlanId << " was accepted";
        } catch (const Kavrel::Lib::KavrelException& refusal) {
            EXPECT_EQ(refusal.GetDescription(),
                      "Invalid VLAN ID " + std::to_string(vlanId) + ": it must be between 0 and 4095");
        }
    }
    EXPECT_EQ(portgroup.GetVlanId(), 10);
    EXPECT_THROW(LmxCtl::Network::PortGroupImpl("missing"), Kavrel::Lib::KavrelException);
}

TEST_F(PortGroupTest, UnknownPortGroupsAreReportedByEveryPolicyCommand) {
    for (const char* command : {"failover get", "failover set -u", "security get", "security set -o true",
                                "shaping get", "shaping set -e false"}) {
        auto words = std::string(command);
        auto space = words.find(' ', words.find(' ') + 1);
        std::string line = "network vswitch standard portgroup policy " + words.substr(0, space) + " -p nope" +
                           (space == std::string::npos ? "" : words.substr(space));
        ExpectRefused(line, "Unable to find a port group with the name nope");
    }
}

TEST_F(PortGroupTest, WithoutOverridesThePortGroupFollowsItsSwitchAndItsLaterChanges) {
    auto inherited = InheritedFailover();
    EXPECT_EQ(Get("failover"), inherited);
    Change("network vswitch standard policy failover set -v vs0 -l iphash -f beacon");
    Change("network vswitch standard policy security set -v vs0 -p true");
    inherited["Load Balancing"] = "iphash";
    inherited["Network Failure Detection"] = "beacon";
    EXPECT_EQ(Get("failover"), inherited);
    EXPECT_EQ(Get("security")["Allow Promiscuous"], true);
}

TEST_F(PortGroupTest, FailoverOverrideWinsFieldByFieldUntilUseVswitch) {
    Change("network vswitch standard portgroup policy failover set -p pg -l explicit -a pnic2,pnic1");
    auto expected = InheritedFailover();
    expected["Active Adapters"] = json::array({"pnic2", "pnic1"});
    expected["Load Balancing"] = "explicit";
    expected["Override Vswitch Load Balancing"] = true;
    expected["Override Vswitch Uplinks"] = true;
    expected["Standby Adapters"] = json::array();
    expected["Unused Adapters"] = json::array({"pnic0"});
    EXPECT_EQ(Get("failover"), expected);
    // A switch change of an overridden field does not reach the port group.
    Change("network vswitch standard policy failover set -v vs0 -l mac -n false");
    expected["Notify Switches"] = false;
    EXPECT_EQ(Get("failover"), expected);

    // use-vswitch resets first, then applies the other options.
    Change("network vswitch standard portgroup policy failover set -p pg -u -l iphash");
    expected = InheritedFailover();
    expected["Load Balancing"] = "iphash";
    expected["Notify Switches"] = false;
    expected["Override Vswitch Load Balancing"] = true;
    EXPECT_EQ(Get("failover"), expected);

    Change("network vswitch standard portgroup policy failover set -p pg -u");
    EXPECT_EQ(Get("failover")["Load Balancing"], "srcmac");
    EXPECT_EQ(StoredPortGroup("pg")["teaming"], json::object());
}

TEST_F(PortGroupTest, FailoverOverrideUsesTheEffectiveOrderAsCurrent) {
    // Only standby given: the switch's active NICs stay active in the override.
    Change("network vswitch standard portgroup policy failover set -p pg -s pnic2");
    auto expected = InheritedFailover();
    expected["Override Vswitch Uplinks"] = true;
    expected["Standby Adapters"] = json::array({"pnic2"});
    expected["Unused Adapters"] = json::array({"pnic1"});
    EXPECT_EQ(Get("failover"), expected);
    auto refused = Run("network vswitch standard portgroup policy failover set -p pg -a pnic4");
    EXPECT_EQ(Errors(refused), std::vector<std::string>{"NIC is not connected to the vswitch : pnic4"});
    EXPECT_EQ(RootJson(refused), json(true));
}

TEST_F(PortGroupTest, SecurityOverrideOfOneFlagLeavesTheOthersFollowingTheSwitch) {
    Change("network vswitch standard portgroup policy security set -p pg -o true");
    Change("network vswitch standard policy security set -v vs0 -p false -m false");
    json expected = {{"Allow Promiscuous", true},
                     {"Allow MAC Address Change", false},
                     {"Allow Forged Transmits", true},
                     {"Override Vswitch Allow Promiscuous", true},
                     {"Override Vswitch Allow MAC Address Change", false},
                     {"Override Vswitch Allow Forged Transmits", false}};
    EXPECT_EQ(Get("security"), expected);
    // use-vswitch drops the promiscuous override before the forged-transmits one is set.
    Change("network vswitch standard portgroup policy security set -p pg -u -f false");
    expected["Allow Promiscuous"] = false;
    expected["Override Vswitch Allow Promiscuous"] = false;
    expected["Allow Forged Transmits"] = false;
    expected["Override Vswitch Allow Forged Transmits"] = true;
    EXPECT_EQ(Get("security"), expected);
}

TEST_F(PortGroupTest, ShapingEnabledTakesMissingValuesFromTheSwitch) {
    json vs0 = PortGroupSwitch();
    vs0["portgroups"][0]["shaping"] = {{"enabled", true}};
    UseHost(Host(json::array({vs0})));
    json expected = {{"Enabled", true},
                     {"Average Bandwidth", 100},
                     {"Peak Bandwidth", 200},
                     {"Burst Size", 10},
                     {"Override Vswitch Enabled", true},
                     {"Override Vswitch Average Bandwidth", false},
                     {"Override Vswitch Peak Bandwidth", false},
                     {"Override Vswitch Burst Size", false}};
    EXPECT_EQ(Get("shaping"), expected);
    Change("network vswitch standard portgroup policy shaping set -p pg -b 50");
    expected["Average Bandwidth"] = 50;
    expected["Override Vswitch Average Bandwidth"] = true;
    EXPECT_EQ(Get("shaping"), expected);
    // The switch's own value is untouched.
    EXPECT_EQ(RootJson(Run("network vswitch standard policy shaping get -v vs0"))["Enabled"], false);
}

// A shaping value that neither level holds is named, beside a true result.
TEST_F(PortGroupTest, ShapingValuesMissingOnBothLevelsAreNamed) {
    json enabled = {{"name", "plain"}, {"portgroups", {{{"name", "pg"}, {"shaping", {{"enabled", true}}}}}}};
    UseHost(Host(json::array({enabled})));
    ExpectRefused("network vswitch standard portgroup policy shaping set -p pg -k 10",
                  {kAverageMissingOnBothLevels, kBurstMissingOnBothLevels}, true);
    // Enabled by the same command: the framework's own messages come first.
    UseHost(Host(json::array({{{"name", "plain"}, {"portgroups", {{{"name", "pg"}}}}}})));
    ExpectRefused("network vswitch standard portgroup policy shaping set -p pg -e true -k 10",
                  {"Missing required parameter --avg-bandwidth", "Missing required parameter --burst-size",
                   kAverageMissingOnBothLevels, kBurstMissingOnBothLevels},
                  true);
    EXPECT_EQ(Get("shaping")["Peak Bandwidth"], -1);
}

TEST_F(PortGroupTest, ShapingOverrideWithoutEnabledChangesNothing) {
    Change("network vswitch standard portgroup policy shaping set -p pg -b 70");
    auto shaping = Get("shaping");
    EXPECT_EQ(shaping, json::parse(R"({"Average Bandwidth": -1, "Burst Size": -1, "Enabled": false,
        "Override Vswitch Average Bandwidth": false,
        "Override Vswitch Burst Size": false,
        "Override Vswitch Enabled": false,
        "Override Vswitch Peak Bandwidth": false, "Peak Bandwidth": -1})"));
}

TEST_F(PortGroupTest, ListingAnswersForTheFirstSwitchHoldingAName) {
    // A hand-edited host: "shared" on two switches, and a port of vs1 naming vs0's "pg".
    json first = PortGroupSwitch();
    first["portgroups"].push_back({{"name", "shared"}, {"vlanId", 5}});
    first["ports"].push_back({{"portId", 6}, {"clientName", "a"}, {"portgroup", "shared"}});
    first["ports"].push_back({{"portId", 7}, {"clientName", "b"}, {"portgroup", "shared"}});
    json second = {{"name", "vs1"},
                   {"portgroups", {{{"name", "shared"}, {"vlanId", 9}}, {{"name", "own"}, {"vlanId", 3}}}},
                   {"ports",
                    {{{"portId", 1}, {"clientName", "c"}, {"portgroup", "shared"}},
                     {{"portId", 2}, {"clientName", "d"}, {"portgroup", "pg"}},
                     {{"portId", 3}, {"clientName", "e"}, {"portgroup", "own"}}}}};
    UseHost(Host(json::array({first, second})));
    EXPECT_EQ(RootJson(Run("network vswitch standard portgroup list")),
              json::array({Row("pg", "vs0", 0, 10), Row("busy", "vs0", 1, 0), Row("shared", "vs0", 2, 5),
                           Row("shared", "vs0", 2, 5), Row("own", "vs1", 1, 3)}));
}

TEST_F(PortGroupTest, ListingSeesEveryEarlierChangeOfTheProcess) {
    // One process (one store) runs them all: what a listing looked up must not outlive a change.
    auto names = [&] {
        std::vector<std::string> listed;
        for (const auto& group : RootJson(Run("network vswitch standard portgroup list"))) {
            listed.push_back(group["Name"].get<std::string>() + "@" + group["Virtual Switch"].get<std::string>() + "/" +
                             std::to_string(group["VLAN ID"].get<int>()));
        }
        return listed;
    };
    EXPECT_EQ(names(), (std::vector<std::string>{"pg@vs0/10", "busy@vs0/0"}));
    Change("network vswitch standard portgroup set -p pg -v 7");
    Change("network vswitch standard portgroup add -p later -v bare");
    EXPECT_EQ(names(), (std::vector<std::string>{"pg@vs0/7", "busy@vs0/0", "later@bare/0"}));
    Change("network vswitch standard portgroup remove -p pg -v vs0");
    Change("network vswitch standard portgroup add -p pg -v bare");
    EXPECT_EQ(names(), (std::vector<std::string>{"busy@vs0/0", "later@bare/0", "pg@bare/0"}));
}

TEST_F(PortGroupTest, HostFailuresOfPortGroupOperations) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Portset::AddPortGroup", "add -p extra -v vs0"},
        {"Portset::RemovePortGroup", "remove -p pg -v vs0"},
        {"PortGroup::SetVlanId", "set -p pg -v 7"},
        {"NetworkInfo::GetAllPortGroups", "list"},
        {"NetworkFactory::GetPortGroupByName", "policy security get -p pg"},
        {"PortGroup::GetEffectiveTeamingPolicy", "policy failover get -p pg"},
        {"PortGroup::SetTeamingPolicy", "policy failover set -p pg -l iphash"},
        {"PortGroup::SetSecurityPolicy", "policy security set -p pg -m true"},
        {"PortGroup::SetShapingPolicy", "policy shaping set -p pg -e false"},
    };
    for (const auto& entry : cases) {
        SetUp();
        InjectFault(entry.first, "port group store unavailable");
        ExpectRefused("network vswitch standard portgroup " + entry.second, "port group store unavailable");
    }
}

}  // namespace
}  // namespace VswitchTest
