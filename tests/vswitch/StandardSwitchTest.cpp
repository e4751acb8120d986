// Standard switches through the framework: host failures of each change and
// listing (limits, removal, MTU and CDP, uplinks and the listing are in the
// vswitch-standard transcript).
#include <string>

#include "VswitchFixture.h"

namespace VswitchTest {
namespace {

class StandardSwitchTest : public VswitchHostTest {};

TEST_F(StandardSwitchTest, HostFailuresBecomeTheirDescriptionAndChangeNothing) {
    struct Case {
        std::string operation;
        std::string command;
    };
    const std::vector<Case> cases = {
        {"VirtualSwitchInfoImpl::AddVirtualSwitchWithPolicy", "network vswitch standard add -v vs9"},
        {"VirtualSwitchInfoImpl::RemoveVirtualSwitch", "network vswitch standard remove -v vs0"},
        {"Portset::SetMTU", "network vswitch standard set -v vs0 -m 9000"},
        {"Portset::SetCdpStatus", "network vswitch standard set -v vs0 -c down"},
        {"Portset::AddUplink", "network vswitch standard uplink add -v vs0 -u pnic3"},
        {"Portset::RemoveUplink", "network vswitch standard uplink remove -v vs0 -u pnic0"},
        {"VirtualSwitchInfoImpl::GetVirtualSwitches", "network vswitch standard list"},
        {"NetworkInfo::GetPnics", "network vswitch standard list"},
    };
    for (const auto& entry : cases) {
        UseHost(Host(json::array({{{"name", "vs0"}, {"uplinks", {"pnic0"}}}})));
        InjectFault(entry.operation, "host says no");
        ExpectRefused(entry.command, "host says no");
    }
}

}  // namespace
}  // namespace VswitchTest
