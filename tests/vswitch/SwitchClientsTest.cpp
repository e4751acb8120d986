// Clients on switches: the host operations other parts of the host use to
// connect host interfaces and VM ports, and how the switch commands see them.
#include <string>

#include "VswitchFixture.h"
#include "core/HostStore.h"
#include "kavrel/NetworkFactory.h"
#include "vswitch/VswitchStore.h"

namespace VswitchTest {
namespace {

using SimHost::DVSwitchInventory;
using SimHost::HostStore;
using SimHost::Transaction;
using SimHost::VirtualSwitchInventory;
using TalixTest::Errors;
using TalixTest::RootJson;

class SwitchClientsTest : public VswitchHostTest {
protected:
    void SetUp() override {
        VswitchHostTest::SetUp();
        json small = {{"name", "small"}, {"numPorts", 2}, {"uplinks", {"pnic0"}}, {"portgroups", {{{"name", "pg"}}}}};
        json dvs = {{"name", "cds-a"},
                    {"id", "uuid-a"},
                    {"dvports", {{{"id", "0"}, {"uplink", true}},
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
    EXPECT_EQ(Errors(Run("network vswitch standard remove -v small")),
              std::vector<std::string>{"Cannot remove virtual switch small: port group pg has 1 active clients"});

    auto portgroup = Kavrel::Network::NetworkFactory::GetPortGroupByName("pg");
    ASSERT_TRUE(portgroup);
    auto clients = portgroup->GetClients();
    ASSERT_EQ(clients.size(), 1u);
    EXPECT_EQ(clients[0].clientName, "lmx5");
    EXPECT_EQ(clients[0].portgroup, "pg");

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
    int32_t connection = 0;
    Edit([&](VirtualSwitchInventory&, DVSwitchInventory& distributed) {
        connection = SimHost::ConnectDVPort(distributed, "uuid-a", "5", "lmx7");
    });
    EXPECT_EQ(connection, 41);
    Kavrel::Network::DVPortParam param{"uuid-a", "5", 41};
    auto port = Kavrel::Network::NetworkFactory::GetDVPort(param);
    ASSERT_TRUE(port);
    std::vector<std::string> clients;
    EXPECT_TRUE(port->IsInUse(clients));
    EXPECT_EQ(clients, (std::vector<std::string>{"vm1.eth0", "lmx7"}));
    param.connectionId = 99;
    EXPECT_FALSE(Kavrel::Network::NetworkFactory::GetDVPort(param));

    EXPECT_THROW(Edit([&](VirtualSwitchInventory&, DVSwitchInventory& distributed) {
                     SimHost::ConnectDVPort(distributed, "uuid-a", "0", "lmx8");
                 }),
                 Kavrel::Lib::KavrelException);
    auto list = RootJson(Run("network vswitch dvs norvale list"));
    EXPECT_EQ(list[0]["DVPort"][1]["Client"], json({"vm1.eth0", "lmx7"}));
}

}  // namespace
}  // namespace VswitchTest
