// Distributed switches through the framework: the LACP timeout command called
// without the framework, and host failures (the listing, LACP configuration,
// status, counters and timeout are in the vswitch-distributed transcript).
#include <map>
#include <string>

#include "VswitchFixture.h"

namespace VswitchTest {
namespace {

json LacpMember(const std::string& nic, int actorState, int partnerState, int age) {
    return {{"nic", nic},
            {"state", "Bundled"},
            {"actor",
             {{"portNumber", 1},
              {"portPriority", 255},
              {"adminKey", 58},
              {"operKey", 59},
              {"state", actorState},
              {"flags", "SA"}}},
            {"partner",
             {{"deviceId", "00:1c:73:4e:a0:11"},
              {"portNumber", 23},
              {"portPriority", 32768},
              {"operKey", 1001},
              {"state", partnerState},
              {"flags", "FP"},
              {"age", age}}},
            {"txLacpdus", 100},
            {"txErrors", 1},
            {"rxLacpdus", 90},
            {"rxErrors", 2}};
}

// cds-a: three uplink ports in slots lagX-0..2 (pnic3, none, pnic4) and three VM ports.
json DistributedSwitch() {
    return json::parse(R"({"name": "cds-a", "id": "uuid-a", "numPorts": 64, "mtu": 1600, "cdpStatus": 2,
        "uplinks": ["pnic3", "ghost1"], "dvports": [
        {"id": "0", "portgroupId": "pg-up", "uplink": true, "uplinkName": "lagX-0", "pnic": "pnic3",
         "lacpEnabled": true, "lacpMode": 2},
        {"id": "1", "portgroupId": "pg-up", "uplink": true, "uplinkName": "lagX-1", "lacpEnabled": true},
        {"id": "2", "portgroupId": "pg-up", "uplink": true, "uplinkName": "lagX-2", "pnic": "pnic4"},
        {"id": "10", "portgroupId": "pg-vm", "clients": [{"connectionId": 7, "clientName": "vm1.eth0"}]},
        {"id": "11", "portgroupId": "pg-vm", "inUse": true},
        {"id": "12", "portgroupId": "pg-vm"}]})");
}

class DistributedSwitchTest : public VswitchHostTest {
protected:
    void UseSwitches(const json& dvswitches) { UseHost(Host(json::array(), dvswitches)); }
};

TEST_F(DistributedSwitchTest, ListFailureOfTheHostBecomesTheMessage) {
    UseSwitches(json::array());
    InjectFault("VirtualSwitchInfoImpl::GetDVSwitches", "switch daemon not running");
    ExpectRefused("network vswitch dvs norvale list", "switch daemon not running");
}

// The framework refuses a command line without a required parameter before
// the command runs; called directly, the command names the first one missing,
// in the order timeout, switch, LAG, and changes nothing.
TEST_F(DistributedSwitchTest, TimeoutSetCalledWithoutTheFrameworkNamesTheFirstMissingParameter) {
    json cds = DistributedSwitch();
    cds["lacpGroups"] = {{{"lagId", 1201}, {"members", {LacpMember("pnic3", 0, 0, 0)}}}};
    UseSwitches(json::array({cds}));
    json before = Section("dvswitches");
    size_t consumed = 0;
    auto command = std::dynamic_pointer_cast<Parvik::AutoCli::Command>(cli.GetDispatcher().Root()->ResolveNode(
        {"network", "vswitch", "dvs", "norvale", "lacp", "timeout", "set"}, consumed));
    ASSERT_TRUE(command);
    const std::vector<std::pair<std::map<std::string, std::string>, std::string>> cases = {
        {{}, "Timeout is empty"},
        {{{"cds", "cds-a"}, {"lag-id", "1201"}}, "Timeout is empty"},
        {{{"timeout", "true"}, {"lag-id", "1201"}}, "CDS name is empty"},
        {{{"timeout", "true"}, {"cds", "cds-a"}}, "LAG ID is empty"},
    };
    for (const auto& [given, message] : cases) {
        auto input = std::make_shared<Parvik::CallSpec::Input>();
        for (const auto& [name, value] : given) input->AddValue(name, value);
        auto output = std::make_shared<Parvik::CallSpec::Output>();
        command->Execute(input, output);
        EXPECT_EQ(output->GetErrorMessages(), std::vector<std::string>{message}) << message;
        EXPECT_EQ(output->GetRootObject(), nullptr) << message;
    }
    EXPECT_EQ(Section("dvswitches"), before);
}

TEST_F(DistributedSwitchTest, TimeoutSetFailureOfTheHostBecomesTheMessage) {
    json cds = DistributedSwitch();
    cds["lacpGroups"] = {{{"lagId", 1201}, {"members", {LacpMember("pnic3", 0, 0, 0)}}}};
    UseSwitches(json::array({cds}));
    InjectFault("DVSwitch::SetLacpTimeout", "lacp daemon busy");
    ExpectRefused("network vswitch dvs norvale lacp timeout set -s cds-a -l 1201 -t true", "lacp daemon busy");
}

TEST_F(DistributedSwitchTest, LacpReadFailuresBecomeMessages) {
    json cds = DistributedSwitch();
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"VirtualSwitchInfoImpl::GetOpaqueDVSwitches", "config get"},
        {"DVSwitch::GetLagConfigs", "config get"},
        {"DVSwitch::GetLacpRuntime", "status get"},
        {"NetworkFactory::GetDVSwitchByName", "stats get -s cds-a"},
    };
    for (const auto& entry : cases) {
        UseSwitches(json::array({cds}));
        InjectFault(entry.first, "read failed");
        ExpectRefused("network vswitch dvs norvale lacp " + entry.second, "read failed");
    }
}

}  // namespace
}  // namespace VswitchTest
