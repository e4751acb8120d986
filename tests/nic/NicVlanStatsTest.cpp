// VLAN statistics of NICs that are switch uplinks: host failures (what they
// show and change is in the nic-queues transcript).
#include <nlohmann/json.hpp>

#include "support/CliHarness.h"

namespace {

using nlohmann::json;

json Switches() {
    json counters = {{{"uplink", "pnic0"}, {"vlanId", 20}, {"rxPackets", 5000000000LL}, {"txPackets", 7}},
                     {{"uplink", "pnic0"}, {"vlanId", 10}, {"rxPackets", 1}, {"txPackets", 2}},
                     {{"uplink", "pnic1"}, {"vlanId", 30}, {"rxPackets", 3}, {"txPackets", 4}}};
    return {{"vswitches",
             {{{"name", "vSwitchA"},
               {"uplinks", {"pnic0", "pnic1"}},
               {"vlanCounting", {"pnic0"}},
               {"vlanCounters", counters}},
              // A second switch naming pnic0 again: only the first one in the host's order serves.
              {{"name", "vSwitchB"}, {"uplinks", {"pnic0"}}, {"vlanCounting", json::array()}}}}};
}

class NicVlanStats : public TalixTest::MemoryHostTest {
protected:
    void SetUp() override {
        UseHost({{"vswitches", Switches()},
                 {"pnics", {{"pnics", {{{"name", "pnic0"}}, {{"name", "pnic1"}}, {{"name", "pnic2"}}}}}}});
    }
};

TEST_F(NicVlanStats, HostFailuresCarryTheCommandsPrefix) {
    InjectFault("Portset::GetUplinkVlanCounters", "counters unavailable");
    ExpectRefused("network nic vlan stats get -n pnic0", "Unable to get VLAN stats: counters unavailable");
    InjectFault("Portset::SetUplinkVlanCounting", "switch busy");
    ExpectRefused("network nic vlan stats set -n pnic0 -e true", "Unable to set VLAN stats: switch busy");
}

}  // namespace
