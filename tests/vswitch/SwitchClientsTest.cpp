// What other parts of the host use switches for: connecting host interfaces
// and VM ports, distributed-port connections, and per-uplink VLAN counters.
#include <algorithm>
#include <string>

#include "VswitchFixture.h"
#include "core/HostStore.h"
#include "kavrel/NetworkFactory.h"
#include "lmxctl/VirtualSwitch.h"
#include "vswitch/VswitchStore.h"

namespace VswitchTest {
namespace {

using SimHost::DVSwitchInventory;
using SimHost::HostStore;
using SimHost::Transaction;
using SimHost::VirtualSwitchInventory;
using TalixTest::RootJson;

class SwitchClientsTest : public VswitchHostTest {
protected:
    void SetUp() override {
        VswitchHostTest::SetUp();
        json small = {{"name", "small"}, {"numPorts", 2}, {"uplinks", {"pnic0"}}, {"portgroups", {{{"name", "pg"}}}}};
        json dvs = {{"name", "cds-a"},
                    {"id", "uuid-a"},
                    {"dvports",
                     {{{"id", "0"}, {"uplink", true}},
                      {{"id", "5"}, {"clients", {{{"connectionId", 40}, {"clientName", "vm1.eth0"}}}}}}}};
        UseHost(Host(json::array({small}), json::array({dvs})));
    }

    template <typename Change>
    void Edit(Change&& change) {
        Transaction transaction(HostStore::Instance());
        change(transaction.Edit<VirtualSwitchInventory>(), transaction.Edit<DVSwitchInventory>());
        transaction.Commit();
    }
};

TEST_F(SwitchClientsTest, ConnectedPortsAreActiveClientsUntilDisconnected) {
    uint32_t portId = 0;
    Edit([&](VirtualSwitchInventory& standard, DVSwitchInventory&) {
        SimHost::PortModel port;
        port.clientName = "lmx5";
        port.clientType = "lmxnic";
        portId = SimHost::ConnectStandardPort(standard, "pg", port);
    });
    EXPECT_EQ(portId, 1u);
    EXPECT_EQ(RootJson(Run("network vswitch standard portgroup list"))[0]["Active Clients"], 1);
    ExpectRefused("network vswitch standard remove -v small",
                  "Cannot remove virtual switch small: port group pg has 1 active clients");

    auto portgroup = Kavrel::Network::NetworkFactory::GetPortGroupByName("pg");
    ASSERT_TRUE(portgroup);
    auto clients = portgroup->GetClients();
    ASSERT_EQ(clients.size(), 1u);
    EXPECT_EQ(json::array({clients[0].clientName, clients[0].portgroup}), json::array({"lmx5", "pg"}));

    Edit([&](VirtualSwitchInventory& standard, DVSwitchInventory& distributed) {
        EXPECT_TRUE(SimHost::DisconnectClient(standard, distributed, "lmx5"));
        EXPECT_FALSE(SimHost::DisconnectClient(standard, distributed, "lmx5"));
    });
    Change("network vswitch standard remove -v small");
}

TEST_F(SwitchClientsTest, AFullSwitchRefusesAnotherPort) {
    // Two ports: the uplink holds one, the first client the other.
    Edit([&](VirtualSwitchInventory& standard, DVSwitchInventory&) {
        SimHost::ConnectStandardPort(standard, "pg", SimHost::PortModel{});
    });
    try {
        Edit([&](VirtualSwitchInventory& standard, DVSwitchInventory&) {
            SimHost::ConnectStandardPort(standard, "pg", SimHost::PortModel{});
        });
        FAIL() << "a third port was accepted";
    } catch (const Kavrel::Lib::KavrelException& refusal) {
        EXPECT_EQ(refusal.GetDescription(), "No free port on virtual switch small");
    }
    EXPECT_EQ(RootJson(Run("network vswitch standard list"))[0]["Used Ports"], 2);
}

TEST_F(SwitchClientsTest, DistributedPortsTakeConnectionsAndAreFoundByThem) {
    uint32_t connection = 0;
    Edit([&](VirtualSwitchInventory&, DVSwitchInventory& distributed) {
        auto& dvswitch = distributed.dvswitches.at(0);
        ASSERT_EQ(dvswitch.id, "uuid-a");
        auto port = std::find_if(dvswitch.dvports.begin(), dvswitch.dvports.end(),
                                 [](const SimHost::DVPortModel& candidate) { return candidate.id == "5"; });
        ASSERT_NE(port, dvswitch.dvports.end());
        connection = SimHost::ConnectDVPort(dvswitch, *port, "lmx7");
    });
    EXPECT_EQ(connection, 41u);
    Kavrel::Network::DVPortParam param{"uuid-a", "5", 41};
    auto port = Kavrel::Network::NetworkFactory::GetDVPort(param);
    ASSERT_TRUE(port);
    std::vector<std::string> clients;
    EXPECT_TRUE(port->IsInUse(clients));
    EXPECT_EQ(clients, (std::vector<std::string>{"vm1.eth0", "lmx7"}));
    param.connectionId = 99;
    EXPECT_FALSE(Kavrel::Network::NetworkFactory::GetDVPort(param));

    auto list = RootJson(Run("network vswitch dvs norvale list"));
    EXPECT_EQ(list[0]["DVPort"][1]["Client"], json({"vm1.eth0", "lmx7"}));
}

TEST_F(SwitchClientsTest, DistributedPortsFromAParamKeepTheirConnectionId) {
    LmxCtl::Network::DVPortImpl unknownSwitch(Kavrel::Network::DVPortParam{"uuid-x", "5", 0});
    EXPECT_FALSE(unknownSwitch.IsValid());
    LmxCtl::Network::DVPortImpl unknownPort(Kavrel::Network::DVPortParam{"uuid-a", "77", 0});
    EXPECT_FALSE(unknownPort.IsValid());

    LmxCtl::Network::DVPortImpl port(Kavrel::Network::DVPortParam{"uuid-a", "5", 0});
    ASSERT_TRUE(port.IsValid());
    EXPECT_EQ(port.GetConnectionId(), 0u);
    port.SetConnectionId(1733400000u);
    LmxCtl::Network::DVPortImpl again(Kavrel::Network::DVPortParam{"uuid-a", "5", 1733400000u});
    auto param = again.GetDVPortParam();
    EXPECT_EQ(json::array({param.switchUuid, param.portId, param.connectionId}),
              json::array({"uuid-a", "5", 1733400000u}));
    EXPECT_TRUE(Kavrel::Network::NetworkFactory::GetDVPort(param));
}

TEST_F(SwitchClientsTest, EverySwitchIsListedAndVlanCountersFollowTheirSwitch) {
    json small = {{"name", "small"},
                  {"system", true},
                  {"uplinks", {"pnic0"}},
                  {"vlanCounting", {"pnic0"}},
                  {"vlanCounters",
                   {{{"uplink", "pnic0"},
                     {"vlanId", 20},
                     {"rxPackets", 7},
                     {"txPackets", 9},
                     {"rxBytes", 300},
                     {"txBytes", 400}}}}};
    json dvs = {{"name", "cds-a"}, {"uplinks", {"pnic4"}}};
    UseHost(Host(json::array({small}), json::array({dvs})));
    LmxCtl::Network::VirtualSwitchInfoImpl info;
    auto switches = info.GetAllSwitches();
    ASSERT_EQ(switches.size(), 2u);
    EXPECT_EQ(json::array({switches[0]->GetName(), switches[1]->GetName()}), json::array({"small", "cds-a"}));
    EXPECT_TRUE(info.GetDVSwitchByName("cds-a"));
    EXPECT_FALSE(info.GetDVSwitchByName("small"));

    auto counters = switches[0]->GetUplinkVlanCounters("pnic0");
    ASSERT_EQ(counters.size(), 1u);
    // Each stored counter in its own member: the values differ.
    const auto& c = counters[0];
    EXPECT_EQ(json::array({c.uplink, c.vlanId, c.rxPackets, c.txPackets, c.rxBytes, c.txBytes}),
              json::array({"pnic0", 20, 7, 9, 300, 400}));
    EXPECT_TRUE(switches[1]->GetUplinkVlanCounters("pnic4").empty());

    switches[1]->SetUplinkVlanCounting("pnic4", true);
    switches[0]->SetUplinkVlanCounting("pnic0", false);
    EXPECT_TRUE(switches[0]->GetUplinkVlanCounters("pnic0").empty());
    switches[0]->SetUplinkVlanCounting("pnic0", true);
    EXPECT_TRUE(switches[0]->GetUplinkVlanCounters("pnic0").empty());  // switching off dropped the counters
    EXPECT_EQ(Section("dvswitches")["dvswitches"][0]["vlanCounting"], json({"pnic4"}));
    EXPECT_THROW(switches[1]->SetUplinkVlanCounting("pnic0", true), Kavrel::Lib::KavrelException);

    auto network = Kavrel::Network::NetworkFactory::GetNetworkInfo();
    EXPECT_EQ(network->GetPnics(0).size(), 5u);
}

}  // namespace
}  // namespace VswitchTest
