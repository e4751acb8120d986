// Distributed switches: the listing, LACP configuration, runtime status and
// counters, and the LACP timeout.
#include <map>
#include <string>

#include "VswitchFixture.h"

namespace VswitchTest {
namespace {

using TalixTest::Errors;
using TalixTest::RootJson;

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

// A row of the LACP configuration listing.
json LagRow(const char* dvs, const char* name, const char* id, const char* nics, bool enabled, const char* mode,
            const char* balance) {
    return {{"DVS Name", dvs},    {"LAG Name", name}, {"LAG ID", id},           {"NICs", nics},
            {"Enabled", enabled}, {"Mode", mode},     {"Load balance", balance}};
}

class DistributedSwitchTest : public VswitchHostTest {
protected:
    void UseSwitches(const json& dvswitches) { UseHost(Host(json::array(), dvswitches)); }
};

TEST_F(DistributedSwitchTest, ListShowsPortsClientsAndPhysicalUplinksOnly) {
    json opaque = {{"name", "opaque-1"}, {"opaque", true}};
    UseSwitches(json::array({DistributedSwitch(), opaque}));
    auto list = RootJson(Run("network vswitch dvs norvale list"));
    ASSERT_EQ(list.size(), 1u);
    const json& cds = list[0];
    EXPECT_EQ(cds, json::parse(R"({
        "Beacon Timeout": -1, "CDP Status": "advertise", "CDS ID": "uuid-a", "Class": "cswitch", "Configured Ports": 6,
        "DVPort": [{"Client": [], "DVPortgroup ID": "pg-up", "In Use": false, "Port ID": "0"},
            {"Client": [], "DVPortgroup ID": "pg-up", "In Use": false, "Port ID": "1"},
            {"Client": [], "DVPortgroup ID": "pg-up", "In Use": false, "Port ID": "2"},
            {"Client": ["vm1.eth0"], "DVPortgroup ID": "pg-vm", "In Use": true, "Port ID": "10"},
            {"Client": [], "DVPortgroup ID": "pg-vm", "In Use": true, "Port ID": "11"},
            {"Client": [], "DVPortgroup ID": "pg-vm", "In Use": false, "Port ID": "12"}], "MTU": 1600, "Name": "cds-a",
        "Norvale Branded": true, "Num Ports": 64, "Uplinks": ["pnic3"], "Used Ports": 2})"));

    EXPECT_EQ(RootJson(Run("network vswitch dvs norvale list -v cds-a")).size(), 1u);
    auto none = Run("network vswitch dvs norvale list -v nosuch");
    EXPECT_EQ(Errors(none), std::vector<std::string>{});
    EXPECT_EQ(RootJson(none), json::array());
}

TEST_F(DistributedSwitchTest, ListOnAHostWithoutDistributedSwitchesIsEmpty) {
    UseSwitches(json::array());
    auto result = Run("network vswitch dvs norvale list");
    EXPECT_EQ(Errors(result), std::vector<std::string>{});
    EXPECT_EQ(RootJson(result), json::array());
    InjectFault("VirtualSwitchInfoImpl::GetDVSwitches", "switch daemon not running");
    ExpectRefused("network vswitch dvs norvale list", "switch daemon not running");
}

TEST_F(DistributedSwitchTest, WithoutDistributedSwitchesLacpIsUnsupported) {
    UseHost(Host(json::array({{{"name", "vs0"}}})));
    for (const char* what : {"config", "stats", "status"}) {
        ExpectRefused(std::string("network vswitch dvs norvale lacp ") + what + " get",
                      "LACP is supported on Norvale DVSwitch only, and there is no DVSwitch configured on host.");
    }
}

TEST_F(DistributedSwitchTest, ConfigOfEnhancedGroupsMatchesSlotsAndDecodesTables) {
    json cds = DistributedSwitch();
    cds["lags"] = {{{"id", "lag-7"}, {"name", "lagX"}, {"mode", 2}, {"loadBalance", 20}, {"uplinkCount", 3}},
                   {{"id", "lag-8"}, {"name", "lagY"}, {"mode", 1}, {"loadBalance", 0}, {"uplinkCount", 2}},
                   {{"id", "lag-9"}, {"name", "lagZ"}, {"mode", 0}, {"loadBalance", 6}, {"uplinkCount", 0}},
                   {{"id", "lag-10"}, {"name", "lagW"}, {"mode", 5}, {"loadBalance", 21}, {"uplinkCount", 1}}};
    UseSwitches(json::array({cds}));
    auto list = RootJson(Run("network vswitch dvs norvale lacp config get"));
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(json::array({list[0], list[1], list[2]}),
              json::array({LagRow("cds-a", "lagX", "lag-7", "pnic3,pnic4", true, "Passive", "Src portID"),
                           LagRow("cds-a", "lagY", "lag-8", "", true, "Active", "None"),
                           LagRow("cds-a", "lagZ", "lag-9", "", true, "None", "Src and dst ip")}));
    EXPECT_EQ(list[3]["Load balance"], "Unknown");
}

TEST_F(DistributedSwitchTest, ConfigNamesEveryLoadBalancingAlgorithm) {
    // clang-format off
    const std::vector<std::string> names = {
        "None", "Dst mac", "Src mac", "Src and dst mac", "Dst ip", "Src ip", "Src and dst ip", "Vlan",
        "Dst ip and vlan", "Src ip and vlan", "Src and dst ip, vlan", "Dst port", "Src port", "Src and dst port",
        "Dst ip and dst port", "Src ip and src port", "Src and dst ip, port", "Dst ip and dst port, vlan",
        "Src ip and src port, vlan", "Src and dst ip, port, vlan", "Src portID", "Unknown"};
    // clang-format on
    json cds = DistributedSwitch();
    cds["lags"] = json::array();
    for (size_t index = 0; index < names.size(); ++index) {
        cds["lags"].push_back({{"id", "lag-" + std::to_string(index)},
                               {"name", "lag" + std::to_string(index)},
                               {"mode", 1},
                               {"loadBalance", index},
                               {"uplinkCount", 0}});
    }
    UseSwitches(json::array({cds}));
    auto list = RootJson(Run("network vswitch dvs norvale lacp config get"));
    ASSERT_EQ(list.size(), names.size());
    for (size_t index = 0; index < names.size(); ++index) EXPECT_EQ(list[index]["Load balance"], names[index]) << index;
}

TEST_F(DistributedSwitchTest, ConfigOfTheDefaultGroupPerUplinkPortGroup) {
    json disabled = {{"name", "cds-b"},
                     {"dvports", {{{"id", "0"}, {"portgroupId", "up-b"}, {"uplink", true}, {"pnic", "pnic0"}}}}};
    UseSwitches(json::array({DistributedSwitch(), disabled}));
    const json cdsB = LagRow("cds-b", "default_uplink_pg_lag", "0", "", false, "", "---");
    EXPECT_EQ(RootJson(Run("network vswitch dvs norvale lacp config get")),
              json::array({LagRow("cds-a", "default_uplink_pg_lag", "0", "pnic3", true, "Passive", "---"), cdsB}));
    EXPECT_EQ(RootJson(Run("network vswitch dvs norvale lacp config get -s cds-b")), json::array({cdsB}));
}

TEST_F(DistributedSwitchTest, ConfigWithoutAnyGroupReportsLacpDisabled) {
    UseSwitches(json::array({{{"name", "cds-empty"}}}));
    for (const char* options : {"", " -s cds-empty", " -s unknown"}) {
        ExpectRefused(std::string("network vswitch dvs norvale lacp config get") + options,
                      "LACP is disabled on DVSwitch.");
    }
}

TEST_F(DistributedSwitchTest, StatusDecodesPortStatesAgesAndModes) {
    json cds = DistributedSwitch();
    cds["lacpGroups"] = {{{"lagId", 1201}, {"mode", 2}, {"members", {LacpMember("pnic3", 0x3D, 0, 3725)}}},
                         {{"lagId", 1202}, {"mode", 1}, {"members", json::array()}}};
    json opaque = {{"name", "opaque-1"},
                   {"opaque", true},
                   {"runningStateOnDpu", true},
                   {"lacpGroups", {{{"lagId", 5}, {"mode", 0}, {"members", {LacpMember("pnic0", 0xFF, 0x80, 0)}}}}}};
    UseSwitches(json::array({opaque, cds}));
    auto list = RootJson(Run("network vswitch dvs norvale lacp status get"));
    ASSERT_EQ(list.size(), 3u);
    // Regular switches come before opaque ones.
    EXPECT_EQ(list[0], json::parse(R"({"DVSwitch": "cds-a",
        "Flags": [
            "S - Device is sending Slow LACPDUs", "F - Device is sending fast LACPDUs", "A - Device is in active mode",
            "P - Device is in passive mode"], "LAG ID": 1201, "Mode": "Passive",
        "Nic List": [{"Local Information": {
                    "Admin Key": 58, "Flags": "SA", "Oper Key": 59, "Port Number": 1, "Port Priority": 255,
                    "Port State": "ACT,AGG,SYN,COL,DIST,"}, "Nic": "pnic3",
                "Partner Information": {
                    "Age": "01:02:05", "Device ID": "00:1c:73:4e:a0:11", "Flags": "FP", "Oper Key": 1001,
                    "Port Number": 23, "Port Priority": 32768, "Port State": ""}, "State": "Bundled"}]})"));
    EXPECT_EQ(list[1], json::parse(R"({"DVSwitch": "cds-a",
        "Flags": [
            "S - Device is sending Slow LACPDUs", "F - Device is sending fast LACPDUs", "A - Device is in active mode",
            "P - Device is in passive mode"], "LAG ID": 1202, "Mode": "Active", "Nic List": []})"));

    const json& dpu = list[2]["Nic List"][0];
    EXPECT_EQ(json::array({list[2]["Mode"], dpu["State"], dpu["Local Information"]["Port State"],
                           dpu["Partner Information"]["Port State"], dpu["Partner Information"]["Age"]}),
              json::array({"Active", "Bundled (running state is on dpu)", "ACT,FTO,AGG,SYN,COL,DIST,DEF,EXP,", "EXP,",
                           "00:00:00"}));
}

TEST_F(DistributedSwitchTest, PartnerAgeIsShownAsHoursMinutesSeconds) {
    const std::vector<std::pair<int, std::string>> ages = {
        {59, "00:00:59"}, {60, "00:01:00"}, {3599, "00:59:59"}, {86399, "23:59:59"}, {360000, "100:00:00"}};
    for (const auto& age : ages) {
        json cds = {{"name", "cds-a"},
                    {"lacpGroups", {{{"lagId", 1}, {"members", {LacpMember("pnic3", 0, 0, age.first)}}}}}};
        UseSwitches(json::array({cds}));
        auto list = RootJson(Run("network vswitch dvs norvale lacp status get -s cds-a"));
        EXPECT_EQ(list[0]["Nic List"][0]["Partner Information"]["Age"], age.second) << age.first;
    }
}

TEST_F(DistributedSwitchTest, StatsListEveryMemberAndNameWhatIsMissing) {
    json cds = DistributedSwitch();
    cds["lacpGroups"] = {{{"lagId", 1201}, {"members", {LacpMember("pnic3", 0, 0, 0), LacpMember("pnic4", 0, 0, 0)}}}};
    UseSwitches(json::array({cds, {{"name", "idle"}}}));
    auto list = RootJson(Run("network vswitch dvs norvale lacp stats get"));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1], json({{"DVSwitch", "cds-a"},
                             {"NIC", "pnic4"},
                             {"LAG ID", 1201},
                             {"Tx LACPDUs", 100},
                             {"Tx Errors", 1},
                             {"Rx LACPDUs", 90},
                             {"Rx Errors", 2}}));

    ExpectRefused("network vswitch dvs norvale lacp stats get -s idle", "No running LACP group on the host.");
    ExpectRefused("network vswitch dvs norvale lacp status get -s idle", "No running LACP group on the host.");
    ExpectRefused("network vswitch dvs norvale lacp stats get -s nosuch", "No running LACP group on the host.");

    json empty = {{"name", "cds-e"}, {"lacpGroups", {{{"lagId", 3}, {"members", json::array()}}}}};
    UseSwitches(json::array({empty}));
    ExpectRefused("network vswitch dvs norvale lacp stats get", "No pnic is connected to DVSwitch.");
}

TEST_F(DistributedSwitchTest, TimeoutSetChangesTheSelectedMembers) {
    json cds = DistributedSwitch();
    cds["lacpGroups"] = {
        {{"lagId", 1201}, {"members", {LacpMember("pnic3", 0x3D, 0, 0), LacpMember("pnic4", 0x3D, 0, 0)}}}};
    UseSwitches(json::array({cds}));
    auto localOf = [&](int index) {
        auto list = RootJson(Run("network vswitch dvs norvale lacp status get"));
        return list[0]["Nic List"][index]["Local Information"];
    };

    Change("network vswitch dvs norvale lacp timeout set -s cds-a -l 1201 -t true -n pnic4");
    EXPECT_EQ(localOf(0)["Flags"], "SA");
    EXPECT_EQ(localOf(1)["Flags"], "FA");
    EXPECT_EQ(localOf(1)["Port State"], "ACT,FTO,AGG,SYN,COL,DIST,");

    // Without a NIC name every member changes.
    Change("network vswitch dvs norvale lacp timeout set -s cds-a -l 1201 -t 1");
    EXPECT_EQ(localOf(0)["Flags"], "FA");
    Change("network vswitch dvs norvale lacp timeout set -s cds-a -l 1201 -t false");
    EXPECT_EQ(localOf(0)["Port State"], "ACT,AGG,SYN,COL,DIST,");
    EXPECT_EQ(localOf(1)["Flags"], "SA");
}

// A member whose flags do not start with the LACPDU speed gets the speed and
// the group's mode in front: A for an active group, P for a passive one.
TEST_F(DistributedSwitchTest, TimeoutSetPutsSpeedAndModeBeforeOtherFlags) {
    const struct {
        int mode;
        const char* flags;
        const char* expected;
    } cases[] = {{1, "", "FA"}, {2, "", "FP"}, {1, "X", "FAX"}, {2, "X", "FPX"}, {2, "SA", "FA"}};
    for (const auto& c : cases) {
        json member = LacpMember("pnic3", 0x3D, 0, 0);
        member["actor"]["flags"] = c.flags;
        json cds = DistributedSwitch();
        cds["lacpGroups"] = {{{"lagId", 1201}, {"mode", c.mode}, {"members", {member}}}};
        UseSwitches(json::array({cds}));
        Change("network vswitch dvs norvale lacp timeout set -s cds-a -l 1201 -t true");
        auto list = RootJson(Run("network vswitch dvs norvale lacp status get"));
        EXPECT_EQ(list[0]["Nic List"][0]["Local Information"]["Flags"], c.expected) << c.mode << " " << c.flags;
    }
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

TEST_F(DistributedSwitchTest, TimeoutSetRefusals) {
    json cds = DistributedSwitch();
    cds["lacpGroups"] = {{{"lagId", 1201}, {"members", {LacpMember("pnic3", 0, 0, 0)}}}};
    UseSwitches(json::array({cds}));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"-s nosuch -l 1201 -t true", "Unable to find a DVSwitch with the name nosuch"},
        {"-s cds-a -l 99 -t true", "LAG 99 is not running on DVSwitch cds-a"},
        {"-s cds-a -l -4 -t true", "LAG -4 is not running on DVSwitch cds-a"},
        {"-s cds-a -l 1201 -t true -n pnic0", "NIC pnic0 is not a member of LAG 1201"},
    };
    for (const auto& entry : cases) {
        ExpectRefused("network vswitch dvs norvale lacp timeout set " + entry.first, entry.second);
    }
    EXPECT_EQ(Run("network vswitch dvs norvale lacp timeout set -s cds-a -l 1201").status, Parvik::AutoCli::EXIT_USAGE);

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
