// VM and port listing and port counters through the framework on an in-memory host.
#include <algorithm>

#include "DatapathFixture.h"

namespace DatapathTest {
namespace {

class VmPortTest : public DatapathHostTest {
protected:
    void SetUp() override {
        DatapathHostTest::SetUp();
        json web = {
            {"clientIpv4", "10.0.0.5"},
            {"teamUplink", "pnic1"},
            {"stats", json::parse(R"({"rxPackets": 10, "txPackets": 20, "rxBroadcast": 2, "rxMulticast": 3,
                        "txBroadcast": 4, "txMulticast": 5, "rxBytes": 1000, "txBytes": 2000, "rxDropped": 6,
                        "txDropped": 7})")},
            {"filters", json::array({Filter("fw", "b-fw", true, true, true), Filter("mon", "z-mon", true, false),
                                     Filter("fw", "b-fw", true, true, true), Filter("off", "a-off", false, false),
                                     Filter("ids", "c-ids", true, false, true)})}};
        json standard =
            json::array({StandardSwitch("vs0",
                                        json::array({VmPort(100, 501, "Guests", web), VmPort(101, 0, "Mgmt"),
                                                     VmPort(102, 777, "Guests", json::object(), json::array())}),
                                        json::array({"pnic1"}))});
        json distributed = json::parse(R"([{"name": "dvs0", "id": "aa bb", "dvports": [{"id": "7",
            "portgroupId": "dvpg-9", "clients": [{"clientName": "web.eth1", "portId": 200, "worldId": 501,
                                                  "macAddresses": ["00:50:7a:00:00:09"]}]}]}])");
        UseHost({{"vswitches", {{"vswitches", standard}}},
                 {"dvswitches", {{"dvswitches", distributed}}},
                 {"pnics", {{"pnics", json::array({{{"name", "pnic1"}}})}}},
                 {"datapath", {{"uplinkPorts", json::array({{{"pnic", "pnic1"}, {"portId", 40}}})}}},
                 {"connections",
                  Worlds(json::array({{{"id", 501}, {"name", "lead:web"}}, {{"id", 777}, {"name", "vm"}}}))}});
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
    ExpectRefused("network vm list", "Unable to list VM's: port table busy");
}

TEST_F(VmPortTest, VmPortListShowsStandardAndDistributedPortsAndCopesWithoutAddressOrUplink) {
    auto port = [](int id, const char* vswitch, const char* portgroup, const char* dvport, const char* mac,
                   const char* ip, const char* uplink, int uplinkPort, const json& filters) {
        return json{{"Port ID", id},         {"vSwitch", vswitch},           {"Portgroup", portgroup},
                    {"DVPort ID", dvport},   {"MAC Address", mac},           {"IP Address", ip},
                    {"Team Uplink", uplink}, {"Uplink Port ID", uplinkPort}, {"Active Filters", filters}};
    };
    // Filters: duplicates once, inactive never, in the order first met.
    EXPECT_EQ(
        Root("network vm port list -w 501"),
        json::array({port(100, "vs0", "Guests", "", "00:50:7a:00:00:01", "10.0.0.5", "pnic1", 40, {"fw", "mon", "ids"}),
                     port(200, "dvs0", "dvpg-9", "7", "00:50:7a:00:00:09", "0.0.0.0", "", 0, json::array())}));
    EXPECT_EQ(Root("network vm port list -w 777"),
              json::array({port(102, "vs0", "Guests", "", "", "0.0.0.0", "", 0, json::array())}));
}

TEST_F(VmPortTest, VmPortListRefusesWorldsWithoutPorts) {
    for (const char* world : {"999", "0"}) {
        ExpectRefused(std::string("network vm port list -w ") + world, "Couldn't find VM with given world ID");
    }
}

TEST_F(VmPortTest, VmPortListPassesHostFailuresOnUnchanged) {
    InjectFault("VirtualSwitchInfoImpl::GetAllSwitches", "switch table locked");
    ExpectRefused("network vm port list -w 501", "switch table locked");
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

// Receive before transmit, each by sort key, inactive filters left out; a filter
// without extended counters leaves them unset.
TEST_F(VmPortTest, FilterStatsOrderByDirectionThenSortKeyAndSkipInactive) {
    auto filter = [](const char* name, const char* direction, bool extended) {
        auto counter = [&](int value) { return extended ? json(value) : json(nullptr); };
        return json{{"Filter name", name},
                    {"Filter direction", direction},
                    {"Packets in", 10},
                    {"Packets out", 9},
                    {"Packets dropped", 1},
                    {"Packets filtered", counter(2)},
                    {"Packets faulted", counter(3)},
                    {"Packets queued", counter(4)},
                    {"Packets injected", counter(5)},
                    {"Packet errors", counter(6)}};
    };
    EXPECT_EQ(Root("network port filter stats get -p 100"),
              json::array({filter("ids", "Receive", true), filter("mon", "Receive", false),
                           filter("fw", "Transmit", true), filter("fw", "Transmit", true)}));
    EXPECT_EQ(Root("network port filter stats get -p 101"), json::array());
}

TEST_F(VmPortTest, UnknownPortIsReportedByBothStatisticsCommands) {
    for (const char* command : {"network port stats get -p 4242", "network port filter stats get -p 4242"}) {
        ExpectRefused(command, "Couldn't find requested port");
    }
}

TEST_F(VmPortTest, StatisticsPassHostFailuresOn) {
    InjectFault("PortImpl::GetPacketStats", "counters unavailable");
    ExpectRefused("network port stats get -p 100", "counters unavailable");
    InjectFault("PortImpl::GetFilterStats", "filters unavailable");
    ExpectRefused("network port filter stats get -p 100", "filters unavailable");
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
            EXPECT_EQ(Root("network port stats get -p " + id)[0]["Port ID"], port[field]) << id;
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
             {"datapath",
              {{"uplinkPorts", json::array({{{"pnic", "pnic1"}, {"portId", 40}},
                                            {{"pnic", "pnic7"}, {"portId", 41}},
                                            {{"pnic", "pnic8"}, {"portId", 42}}})}}}});
    ExpectRefused("network port stats get -p 41", "Couldn't find requested port");
    EXPECT_EQ(Root("network port stats get -p 42")[0]["Port ID"], 42);
    EXPECT_EQ(Root("network port stats get -p 40")[0]["Port ID"], 40);
}

class UplinkFilterTest : public DatapathHostTest {};

TEST_F(UplinkFilterTest, UplinkPortsSwapFilterDirections) {
    json uplinkPort = {
        {"portId", 5},
        {"clientName", "pnic0"},
        {"clientType", "uplink"},
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
    ExpectRefused("network vm port list -w 1", "Couldn't find VM with given world ID");
}

}  // namespace
}  // namespace DatapathTest
