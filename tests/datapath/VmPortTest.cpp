// VM and port listing and port counters through the framework on an in-memory host.
#include <algorithm>

#include "DatapathFixture.h"

namespace DatapathTest {
namespace {

using TalixTest::RootJson;

class VmPortTest : public DatapathHostTest {
protected:
    void SetUp() override {
        DatapathHostTest::SetUp();
        json web = {{"clientIpv4", "10.0.0.5"},
                    {"teamUplink", "pnic1"},
                    {"stats",
                     {{"rxPackets", 10}, {"txPackets", 20}, {"rxBroadcast", 2}, {"rxMulticast", 3},
                      {"txBroadcast", 4}, {"txMulticast", 5}, {"rxBytes", 1000}, {"txBytes", 2000},
                      {"rxDropped", 6}, {"txDropped", 7}}},
                    {"filters", json::array({Filter("fw", "b-fw", true, true, true), Filter("mon", "z-mon", true, false),
                                             Filter("fw", "b-fw", true, true, true), Filter("off", "a-off", false, false),
                                             Filter("ids", "c-ids", true, false, true)})}};
        json standard = json::array(
            {StandardSwitch("vs0",
                            json::array({VmPort(100, 501, "Guests", web), VmPort(101, 0, "Mgmt"),
                                         VmPort(102, 777, "Guests", json::object(), json::array())}),
                            json::array({"pnic1"}))});
        json distributed = json::array({{{"name", "dvs0"},
                                         {"id", "aa bb"},
                                         {"dvports",
                                          json::array({{{"id", "7"},
                                                        {"portgroupId", "dvpg-9"},
                                                        {"clients", json::array({{{"clientName", "web.eth1"},
                                                                                  {"portId", 200},
                                                                                  {"worldId", 501},
                                                                                  {"macAddresses", {"00:50:7a:00:00:09"}}}})}}})}}});
        UseHost({{"vswitches", {{"vswitches", standard}}},
                 {"dvswitches", {{"dvswitches", distributed}}},
                 {"pnics", {{"pnics", json::array({{{"name", "pnic1"}}})}}},
                 {"datapath", {{"uplinkPorts", json::array({{{"pnic", "pnic1"}, {"portId", 40}}})}}},
                 {"connections", Worlds(json::array({{{"id", 501}, {"name", "lead:web"}}, {{"id", 777}, {"name", "vm"}}}))}});
    }
};

TEST_F(VmPortTest, VmListCountsPortsOverAllSwitchesAndStripsTheWorldKind) {
    json list = Root("network vm list");
    ASSERT_EQ(list.size(), 2u);
    json web = list[0]["World ID"] == 501 ? list[0] : list[1];
    json shortName = list[0]["World ID"] == 777 ? list[0] : list[1];
    EXPECT_EQ(web["Name"], "web");
    EXPECT_EQ(web["Num Ports"], 2);
    EXPECT_EQ(web["Networks"], json({"Guests", "dvpg-9"}));
    // A world name shorter than its kind prefix shows as empty.
    EXPECT_EQ(shortName["Name"], "");
}

TEST_F(VmPortTest, VmListReportsHostFailuresWithItsPrefix) {
    InjectFault("PortImpl::GetWorldLeader", "port table busy");
    EXPECT_EQ(Run("network vm list").errors, std::vector<std::string>({"Unable to list VM's: port table busy"}));
}

TEST_F(VmPortTest, VmPortListShowsStandardAndDistributedPorts) {
    json ports = Root("network vm port list -w 501");
    ASSERT_EQ(ports.size(), 2u);
    EXPECT_EQ(ports[0]["Port ID"], 100);
    EXPECT_EQ(ports[0]["vSwitch"], "vs0");
    EXPECT_EQ(ports[0]["Portgroup"], "Guests");
    EXPECT_EQ(ports[0]["DVPort ID"], "");
    EXPECT_EQ(ports[0]["MAC Address"], "00:50:7a:00:00:01");
    EXPECT_EQ(ports[0]["IP Address"], "10.0.0.5");
    EXPECT_EQ(ports[0]["Team Uplink"], "pnic1");
    EXPECT_EQ(ports[0]["Uplink Port ID"], 40);
    // Duplicates once, inactive never, in the order first met.
    EXPECT_EQ(ports[0]["Active Filters"], json({"fw", "mon", "ids"}));
    EXPECT_EQ(ports[1]["Port ID"], 200);
    EXPECT_EQ(ports[1]["vSwitch"], "dvs0");
    EXPECT_EQ(ports[1]["Portgroup"], "dvpg-9");
    EXPECT_EQ(ports[1]["DVPort ID"], "7");
}

TEST_F(VmPortTest, VmPortListCopesWithPortsWithoutAddressOrUplink) {
    json ports = Root("network vm port list -w 777");
    ASSERT_EQ(ports.size(), 1u);
    EXPECT_EQ(ports[0]["MAC Address"], "");
    EXPECT_EQ(ports[0]["IP Address"], "0.0.0.0");
    EXPECT_EQ(ports[0]["Team Uplink"], "");
    EXPECT_EQ(ports[0]["Uplink Port ID"], 0);
}

TEST_F(VmPortTest, VmPortListRefusesWorldsWithoutPorts) {
    for (const char* world : {"999", "0"}) {
        auto invocation = Run(std::string("network vm port list -w ") + world);
        EXPECT_EQ(TalixTest::Errors(invocation), std::vector<std::string>({"Couldn't find VM with given world ID"}))
            << world;
        EXPECT_TRUE(RootJson(invocation).is_null());
    }
}

TEST_F(VmPortTest, VmPortListPassesHostFailuresOnUnchanged) {
    InjectFault("VirtualSwitchInfoImpl::GetAllSwitches", "switch table locked");
    EXPECT_EQ(Run("network vm port list -w 501").errors, std::vector<std::string>({"switch table locked"}));
}

// Every stored counter in its own field (the values differ, so no two are
// swapped), and the unicast counters derived from them.
TEST_F(VmPortTest, PortStatsShowEveryCounterAndDeriveUnicast) {
    json stats = Root("network port stats get -p 100");
    ASSERT_EQ(stats.size(), 1u);
    EXPECT_EQ(stats[0], json({{"Port ID", 100},
                              {"Packets received", 10},
                              {"Packets sent", 20},
                              {"Bytes received", 1000},
                              {"Bytes sent", 2000},
                              {"Broadcast packets received", 2},
                              {"Broadcast packets sent", 4},
                              {"Multicast packets received", 3},
                              {"Multicast packets sent", 5},
                              {"Unicast packets received", 5},
                              {"Unicast packets sent", 11},
                              {"Receive packets dropped", 6},
                              {"Transmit packets dropped", 7}}));
}

TEST_F(VmPortTest, EveryPortOfVmPortListHasStatistics) {
    for (const auto& port : Root("network vm port list -w 501")) {
        std::string id = std::to_string(port["Port ID"].get<int64_t>());
        json stats = Root("network port stats get -p " + id);
        ASSERT_EQ(stats.size(), 1u) << id;
        EXPECT_EQ(stats[0]["Port ID"], port["Port ID"]);
    }
}

TEST_F(VmPortTest, FilterStatsOrderByDirectionThenSortKeyAndSkipInactive) {
    json filters = Root("network port filter stats get -p 100");
    std::vector<std::string> names;
    for (const auto& filter : filters) names.push_back(filter["Filter name"]);
    EXPECT_EQ(names, std::vector<std::string>({"ids", "mon", "fw", "fw"}));
    EXPECT_EQ(filters[0]["Filter direction"], "Receive");
    EXPECT_EQ(filters[2]["Filter direction"], "Transmit");
}

TEST_F(VmPortTest, FilterWithoutExtendedCountersLeavesThemUnset) {
    json filters = Root("network port filter stats get -p 100");
    json mon = filters[1];
    ASSERT_EQ(mon["Filter name"], "mon");
    EXPECT_EQ(mon["Packets in"], 10);
    EXPECT_EQ(mon["Packets dropped"], 1);
    for (const char* unset : {"Packets filtered", "Packets faulted", "Packets queued", "Packets injected",
                              "Packet errors"}) {
        EXPECT_TRUE(!mon.contains(unset) || mon[unset].is_null()) << unset;
    }
    EXPECT_EQ(filters[0]["Packet errors"], 6);
}

TEST_F(VmPortTest, PortWithoutActiveFiltersGivesAnEmptyList) {
    json filters = Root("network port filter stats get -p 101");
    EXPECT_TRUE(filters.is_array());
    EXPECT_TRUE(filters.empty());
}

TEST_F(VmPortTest, UnknownPortIsReportedByBothStatisticsCommands) {
    for (const char* command : {"network port stats get -p 4242", "network port filter stats get -p 4242"}) {
        auto invocation = Run(command);
        EXPECT_EQ(TalixTest::Errors(invocation), std::vector<std::string>({"Couldn't find requested port"})) << command;
        EXPECT_TRUE(RootJson(invocation).is_null());
    }
}

TEST_F(VmPortTest, StatisticsPassHostFailuresOn) {
    InjectFault("PortImpl::GetPacketStats", "counters unavailable");
    EXPECT_EQ(Run("network port stats get -p 100").errors, std::vector<std::string>({"counters unavailable"}));
    InjectFault("PortImpl::GetFilterStats", "filters unavailable");
    EXPECT_EQ(Run("network port filter stats get -p 100").errors, std::vector<std::string>({"filters unavailable"}));
}

// Every port ID the VM port listing shows can be looked up, the uplink ports included:
// they are ports of the switch that has the NIC as uplink.
TEST_F(VmPortTest, UplinkPortIdsShownForVmPortsAreFoundByTheStatistics) {
    auto ports = Root("network vm port list -w 501");
    ASSERT_EQ(ports[0]["Uplink Port ID"], 40);
    for (const auto& port : ports) {
        for (const char* field : {"Port ID", "Uplink Port ID"}) {
            if (port[field] == 0) continue;  // not scheduled on an uplink
            std::string id = std::to_string(port[field].get<int64_t>());
            EXPECT_TRUE(Run("network port stats get -p " + id).errors.empty()) << id;
            EXPECT_TRUE(Run("network port filter stats get -p " + id).errors.empty()) << id;
        }
    }
    json stats = Root("network port stats get -p 40")[0];
    EXPECT_EQ(stats["Port ID"], 40);
    EXPECT_EQ(stats["Packets received"], 0);
    EXPECT_EQ(Root("network port filter stats get -p 40"), json::array());
    // An uplink port is no VM's port.
    EXPECT_EQ(Root("network vm list").size(), 2u);
}

TEST_F(VmPortTest, OnlyUplinksOfASwitchHaveTheirPortOnIt) {
    // pnic7 has a port entry but is no switch's uplink; dvs0 gains pnic8 with its port.
    auto dvswitches = Section("dvswitches");
    dvswitches["dvswitches"][0]["uplinks"] = {"pnic8"};
    UseHost({{"vswitches", Section("vswitches")},
             {"dvswitches", dvswitches},
             {"datapath", {{"uplinkPorts", json::array({{{"pnic", "pnic1"}, {"portId", 40}},
                                                        {{"pnic", "pnic7"}, {"portId", 41}},
                                                        {{"pnic", "pnic8"}, {"portId", 42}}})}}}});
    EXPECT_EQ(Run("network port stats get -p 41").errors, std::vector<std::string>({"Couldn't find requested port"}));
    EXPECT_EQ(Root("network port stats get -p 42")[0]["Port ID"], 42);
    EXPECT_EQ(Root("network port stats get -p 40")[0]["Port ID"], 40);
}

class UplinkFilterTest : public DatapathHostTest {};

TEST_F(UplinkFilterTest, UplinkPortsSwapFilterDirections) {
    json uplinkPort = {{"portId", 5}, {"clientName", "pnic0"}, {"clientType", "uplink"},
                       {"datapath", {{"filters", json::array({Filter("a", "a", true, false), Filter("b", "b", true, true)})}}}};
    UseHost({{"vswitches", {{"vswitches", json::array({StandardSwitch("vs0", json::array({uplinkPort}))})}}}});
    json filters = Root("network port filter stats get -p 5");
    ASSERT_EQ(filters.size(), 2u);
    EXPECT_EQ(filters[0]["Filter direction"], "Transmit");
    EXPECT_EQ(filters[1]["Filter direction"], "Receive");
}

TEST_F(UplinkFilterTest, EmptyHostHasNoVmsAndNoPorts) {
    UseHost({{"vswitches", {{"vswitches", json::array()}}}});
    EXPECT_EQ(Root("network vm list"), json::array());
    EXPECT_EQ(Run("network vm port list -w 1").errors, std::vector<std::string>({"Couldn't find VM with given world ID"}));
}

}  // namespace
}  // namespace DatapathTest
