// Neighbour list and remove, and the connection list.
#include "IpStackFixtures.h"

namespace {

using IpStackTest::IpStackHostTest;
using IpStackTest::Nic;
using nlohmann::json;

json Neighbor(const std::string& netstack, const std::string& address, const std::string& nic, const std::string& type,
              const std::string& state = "") {
    return {{"netstack", netstack}, {"address", address}, {"macAddress", "02:00:00:00:00:01"},
            {"interfaceName", nic}, {"expiry", 60},       {"type", type},
            {"state", state}};
}

class NeighborCommands : public IpStackHostTest {
protected:
    void SetUp() override {
        IpStackHostTest::SetUp();
        UseNeighborHost(true);
    }
    void UseNeighborHost(bool ipv6Enabled) {
        UseHost({{"netstacks", IpStackTest::Netstacks({"travex"}, ipv6Enabled)},
                 {"lmxnics",
                  {{"lmxnics",
                    {Nic("lmx0", "defaultTcpipStack", "10.0.0.11"), Nic("lmx1", "travex", "10.1.0.11"),
                     Nic("lmx9", "defaultTcpipStack", "169.254.0.1", "255.255.0.0", true)}}}},
                 {"neighbors",
                  {{"ipv4",
                    {Neighbor("defaultTcpipStack", "10.0.0.1", "lmx0", "Dynamic"),
                     Neighbor("defaultTcpipStack", "10.0.0.2", "lmx0", "Static"),
                     Neighbor("travex", "10.1.0.5", "lmx1", "Dynamic"),
                     Neighbor("defaultTcpipStack", "169.254.0.2", "lmx9", "Dynamic")}},
                   {"ipv6", {Neighbor("defaultTcpipStack", "fe80::1", "lmx0", "Router", "Reachable")}}}}});
    }
    std::vector<std::string> Addresses(const json& list) {
        std::vector<std::string> addresses;
        for (const auto& record : list) addresses.push_back(record["Neighbor"]);
        return addresses;
    }
};

TEST_F(NeighborCommands, ListShowsIpv4FirstWithEmptyStateThenIpv6) {
    auto list = Run("network ip neighbor list").root;
    EXPECT_EQ(list, json::parse(R"([
        {"Neighbor": "10.0.0.1", "Mac Address": "02:00:00:00:00:01", "Lmxnic": "lmx0", "Expiry": 60, "State": "", "Type": "Dynamic"},
        {"Neighbor": "10.0.0.2", "Mac Address": "02:00:00:00:00:01", "Lmxnic": "lmx0", "Expiry": 60, "State": "", "Type": "Static"},
        {"Neighbor": "fe80::1", "Mac Address": "02:00:00:00:00:01", "Lmxnic": "lmx0", "Expiry": 60, "State": "Reachable", "Type": "Router"}
    ])"));
}

// One address in the caches of two interfaces: each row shows its own entry's
// type and state, not those of the first entry of that address.
TEST_F(NeighborCommands, SameAddressOnTwoInterfacesKeepsEachEntrysTypeAndState) {
    UseHost({{"netstacks", IpStackTest::Netstacks({}, true)},
             {"lmxnics",
              {{"lmxnics",
                {Nic("lmx0", "defaultTcpipStack", "10.0.0.11"), Nic("lmx2", "defaultTcpipStack", "10.2.0.11")}}}},
             {"neighbors",
              {{"ipv4",
                {Neighbor("defaultTcpipStack", "10.0.0.1", "lmx0", "Dynamic"),
                 Neighbor("defaultTcpipStack", "10.0.0.1", "lmx2", "Static")}},
               {"ipv6",
                {Neighbor("defaultTcpipStack", "fe80::1", "lmx0", "Router", "Reachable"),
                 Neighbor("defaultTcpipStack", "fe80::1", "lmx2", "Host", "Stale")}}}}});
    auto list = Run("network ip neighbor list").root;
    EXPECT_EQ(list, json::parse(R"([
        {"Neighbor": "10.0.0.1", "Mac Address": "02:00:00:00:00:01", "Lmxnic": "lmx0", "Expiry": 60, "State": "", "Type": "Dynamic"},
        {"Neighbor": "10.0.0.1", "Mac Address": "02:00:00:00:00:01", "Lmxnic": "lmx2", "Expiry": 60, "State": "", "Type": "Static"},
        {"Neighbor": "fe80::1", "Mac Address": "02:00:00:00:00:01", "Lmxnic": "lmx0", "Expiry": 60, "State": "Reachable", "Type": "Router"},
        {"Neighbor": "fe80::1", "Mac Address": "02:00:00:00:00:01", "Lmxnic": "lmx2", "Expiry": 60, "State": "Stale", "Type": "Host"}
    ])"));
}

TEST_F(NeighborCommands, ListSelectsByVersionNetstackInterfaceAndType) {
    struct Case {
        const char* command;
        std::vector<std::string> addresses;
    };
    for (const auto& c : std::vector<Case>{{"network ip neighbor list -v 4", {"10.0.0.1", "10.0.0.2"}},
                                           {"network ip neighbor list -v 6", {"fe80::1"}},
                                           {"network ip neighbor list -N travex", {"10.1.0.5"}},
                                           {"network ip neighbor list -i lmx1 -N travex", {"10.1.0.5"}},
                                           {"network ip neighbor list -t system", {"169.254.0.2"}}}) {
        auto result = Run(c.command);
        EXPECT_TRUE(result.errors.empty()) << c.command;
        EXPECT_EQ(Addresses(result.root), c.addresses) << c.command;
    }
}

TEST_F(NeighborCommands, ListChecksTypeNetstackAndInterface) {
    for (const auto& [command, message] : std::vector<std::pair<const char*, const char*>>{
             {"network ip neighbor list -t arp", "Invalid type value, should be 'system'."},
             {"network ip neighbor list -t system -N travex", "Invalid netstack value, should be 'defaultTcpipStack'."},
             {"network ip neighbor list -i lmx7", "Unable to find a Lumex interface with the name lmx7"},
             {"network ip neighbor list -i lmx9", "Unable to find a Lumex interface with the name lmx9"}}) {
        ExpectRefused(command, message);
    }
}

TEST_F(NeighborCommands, WithIpv6DisabledHostWideVersion6ListsAndRemovesNothing) {
    UseNeighborHost(false);
    auto list = Run("network ip neighbor list -v 6");
    EXPECT_EQ(list.root, json::array());
    EXPECT_TRUE(list.errors.empty());
    EXPECT_EQ(Run("network ip neighbor remove -v 6 -a fe80::1").root, true);
    EXPECT_EQ(Section("neighbors")["ipv6"].size(), 1u);
}

TEST_F(NeighborCommands, RemoveUsesTheInterfacesNetstack) {
    EXPECT_EQ(Run("network ip neighbor remove -v 4 -a 10.0.0.1").root, true);
    EXPECT_EQ(Run("network ip neighbor remove -v 4 -i lmx1 -a 10.1.0.5").root, true);
    EXPECT_EQ(Run("network ip neighbor remove -v 6 -i lmx0 -a fe80::1").root, true);
    auto stored = Section("neighbors");
    EXPECT_EQ(stored["ipv4"].size(), 2u);
    EXPECT_EQ(stored["ipv6"].size(), 0u);
    EXPECT_EQ(Addresses(Run("network ip neighbor list -v 4").root), std::vector<std::string>{"10.0.0.2"});
}

TEST_F(NeighborCommands, RemoveRefusals) {
    for (const auto& [command, message] : std::vector<std::pair<const char*, const char*>>{
             {"network ip neighbor remove -v 4 -i lmx7 -a 10.0.0.1",
              "Unable to find a Lumex interface with the name lmx7"},
             {"network ip neighbor remove -v 4 -a 10.0.0.77", "Neighbor 10.0.0.77 not found"},
             {"network ip neighbor remove -v 4 -a 10.1.0.5", "Neighbor 10.1.0.5 not found"},
             {"network ip neighbor remove -v 4 -a not-an-address", "Invalid IPv4 address: 'not-an-address'"}}) {
        ExpectRefused(command, message);
    }
}

json Socket(const std::string& netstack, const std::string& protocol, const std::string& local, int state,
            int64_t world) {
    return {{"netstack", netstack},
            {"protocol", protocol},
            {"recvQ", 1},
            {"sendQ", 2},
            {"localAddress", local},
            {"localPort", 443},
            {"foreignAddress", "10.0.0.9"},
            {"foreignPort", 50000},
            {"state", state},
            {"ccAlgorithm", "cubic"},
            {"worldId", world}};
}

class ConnectionCommands : public IpStackHostTest {
protected:
    void SetUp() override {
        IpStackHostTest::SetUp();
        UseHost({{"netstacks", IpStackTest::Netstacks({"travex"})},
                 {"connections",
                  {{"connections",
                    {Socket("defaultTcpipStack", "icmp", "0.0.0.0", 0, 300),
                     Socket("defaultTcpipStack", "udp", "10.0.0.11", 0, 200),
                     Socket("defaultTcpipStack", "tcp", "10.0.0.11", 3, 100),
                     Socket("defaultTcpipStack", "tcp6", "fe80::11", 11, 999),
                     Socket("travex", "tcp", "10.1.0.11", 1, 100)}},
                   {"worlds", {{{"id", 100}, {"name", "webd"}}, {{"id", 200}, {"name", "timed"}}}}}}});
    }
    std::vector<std::string> Protocols(const json& list) {
        std::vector<std::string> protocols;
        for (const auto& record : list) protocols.push_back(record["Proto"]);
        return protocols;
    }
};

TEST_F(ConnectionCommands, AllListsTcpThenUdpThenIpWithRenderedFields) {
    auto list = Run("network ip connection list").root;
    EXPECT_EQ(Protocols(list), (std::vector<std::string>{"tcp", "tcp6", "udp", "icmp"}));
    EXPECT_EQ(list[0], json::parse(R"({"Proto": "tcp", "Recv Q": 1, "Send Q": 2, "Local Address": "10.0.0.11:443",
        "Foreign Address": "10.0.0.9:50000", "State": "RCVD", "World ID": 100, "CC Algo": "cubic", "World Name": "webd"})"));
    EXPECT_EQ(list[1]["Local Address"], "[fe80::11]:443");
    EXPECT_EQ(list[1]["State"], "");
    EXPECT_EQ(list[1]["World Name"], "");
}

TEST_F(ConnectionCommands, TypeAndNetstackSelectSockets) {
    EXPECT_EQ(Protocols(Run("network ip connection list -t udp").root), std::vector<std::string>{"udp"});
    EXPECT_EQ(Protocols(Run("network ip connection list -t ip").root), std::vector<std::string>{"icmp"});
    auto travex = Run("network ip connection list -N travex -t tcp").root;
    ASSERT_EQ(travex.size(), 1u);
    EXPECT_EQ(travex[0]["State"], "LISTEN");
    EXPECT_FALSE(Run("network ip connection list -t sctp").errors.empty());
}

TEST_F(ConnectionCommands, FailuresAreReportedWithTheListPrefix) {
    ExpectRefused("network ip connection list -N nowhere",
                  "Unable to get connection list.\nNetstack instance nowhere does not exist");
    InjectFault("ResourceInfoImpl::GetWorldName", "world table busy");
    ExpectRefused("network ip connection list", "Unable to get connection list.\nworld table busy");
}

}  // namespace
