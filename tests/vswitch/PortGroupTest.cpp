// Port groups through the framework in one process: the host's own VLAN check,
// listings after changes, and host failures (lifecycle, listings and policies
// that inherit from the switch are in the vswitch-portgroups transcript).
#include <string>

#include "VswitchFixture.h"
#include "kavrel/Lib.h"
#include "lmxctl/VirtualSwitch.h"

namespace VswitchTest {
namespace {

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

class PortGroupTest : public VswitchHostTest {
protected:
    void SetUp() override {
        VswitchHostTest::SetUp();
        UseHost(Host(json::array({PortGroupSwitch(), {{"name", "bare"}}})));
    }
};

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
