// Netstack instance commands and the host-wide IPv6 switch.
#include "IpStackFixtures.h"

namespace {

using IpStackTest::IpStackHostTest;
using IpStackTest::Nic;
using nlohmann::json;

class NetstackCommands : public IpStackHostTest {
protected:
    void SetUp() override {
        IpStackHostTest::SetUp();
        UseHost({{"netstacks", IpStackTest::Netstacks({"travex", "spare"})},
                 {"lmxnics", {{"lmxnics", {Nic("lmx1", "travex", "10.1.0.11")}}}},
                 {"routes", {{"tables", {{{"netstack", "spare"}, {"ipv4Gateway", "10.9.0.1"}}}}}}},
                {{"etc/netstack/spare/resolv.conf", "nameserver 10.9.0.2\n"}});
    }
    json Get(const std::string& key) { return Run("network ip netstack get -N " + key).root; }
};

TEST_F(NetstackCommands, AddCreatesAnInstanceWithTheNewInstanceDefaults) {
    EXPECT_EQ(Run("network ip netstack add -N storage").root, true);
    EXPECT_EQ(Get("storage"), json::parse(R"([{"Key": "storage", "Name": "storage", "Enabled": true,
        "Max Connections": 11000, "Current Max Connections": 11000, "Congestion Control Algorithm": "newreno",
        "IPv6 Enabled": true, "Current IPv6 Enabled": true, "ECN Status": "enabled", "State": 4660}])"));
    auto list = Run("network ip netstack list").root;
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[3], json::parse(R"({"Key": "storage", "Name": "storage", "State": 4660})"));
}

TEST_F(NetstackCommands, AddDisabledCreatesOnlyTheConfiguration) {
    EXPECT_EQ(Run("network ip netstack add -N storage --disabled").root, true);
    auto instance = Get("storage")[0];
    EXPECT_EQ(json::array({instance["Enabled"], instance["State"], instance["Current Max Connections"],
                           instance["Max Connections"]}),
              json::array({false, 0, 0, 11000}));
}

TEST_F(NetstackCommands, RefusalsCarryTheirCommandsPrefix) {
    for (const auto& [command, message] : std::vector<std::pair<const char*, const char*>>{
             {"network ip netstack add -N travex",
              "Unable to add Netstack Instance. Error was : Netstack instance travex already exists"},
             {"network ip netstack remove -N defaultTcpipStack",
              "Unable to Remove Netstack Instance. Error was : The default netstack instance cannot be removed"},
             {"network ip netstack remove -N travex",
              "Unable to Remove Netstack Instance. Error was : Netstack instance travex still has Lumex network "
              "interfaces: lmx1"},
             {"network ip netstack remove -N nowhere",
              "Unable to Remove Netstack Instance. Error was : Netstack instance nowhere does not exist"},
             {"network ip netstack get -N nowhere", "Unable to find a Netstack instance nowhere"},
             {"network ip netstack set -N nowhere -n x", "Unable to find a Netstack instance nowhere"}}) {
        ExpectRefused(command, message);
    }
    EXPECT_EQ(Run("network ip netstack list").root.size(), 3u);
}

// A key becomes the directory etc/netstack/<key>/: the host takes only keys that are
// one plain path component, so no key can reach another instance's files or leave etc/.
TEST_F(NetstackCommands, AddRefusesKeysThatCannotNameTheInstancesDirectory) {
    const std::string rule =
        "': a key is 1 to 31 letters, digits, '_', '-' and '.', begins with a letter, a digit or '_' and has no "
        "\"..\"";
    const auto before = Section("netstacks");
    for (const std::string& key :
         std::vector<std::string>{"..", "...", ".", "a..b", ".hidden", "-lead", "bad/key", "/abs", "a\\b", "sp ace",
                                  "caf\xC3\xA9", std::string(32, 'k')}) {
        auto result = Run(std::vector<std::string>{"network", "ip", "netstack", "add", "--netstack=" + key});
        EXPECT_TRUE(result.root.is_null()) << key;
        EXPECT_EQ(result.errors, std::vector<std::string>{"Unable to add Netstack Instance. Error was : "
                                                          "Invalid netstack instance key '" +
                                                          key + rule})
            << key;
    }
    EXPECT_EQ(Section("netstacks"), before);
    for (const char* key : {"a.b", "_x", "9-lives", "k123456789012345678901234567890"}) {
        EXPECT_EQ(Run(std::string("network ip netstack add -N ") + key).root, true) << key;
    }
}

// A state written by hand may hold such a key: it never reads or writes another
// instance's resolver file, and it can still be removed.
TEST_F(NetstackCommands, AStoredKeyThatIsNoPathComponentNeverReachesAFile) {
    auto netstacks = IpStackTest::Netstacks({".."});
    UseHost({{"netstacks", netstacks}}, {{"etc/resolv.conf", "nameserver 10.0.0.2\n"}});
    ExpectRefused("network ip dns server list -N ..", "Netstack instance key '..' cannot name a resolver file");
    EXPECT_FALSE(Run("network ip dns server add -s 10.0.0.3 -N ..").errors.empty());
    EXPECT_EQ(File("etc/resolv.conf"), "nameserver 10.0.0.2\n");
    EXPECT_EQ(Run("network ip netstack remove -N ..").root, true);
    EXPECT_EQ(Run("network ip netstack list").root.size(), 1u);
    EXPECT_EQ(File("etc/resolv.conf"), "nameserver 10.0.0.2\n");
}

TEST_F(NetstackCommands, RemoveTakesTheInstancesRoutesAndResolverFileWithIt) {
    EXPECT_EQ(Run("network ip netstack remove -N spare").root, true);
    EXPECT_EQ(Run("network ip netstack list").root.size(), 2u);
    EXPECT_EQ(Section("routes")["tables"], json::array());
    EXPECT_EQ(File("etc/netstack/spare/resolv.conf"), "");
}

// The instance's own routes, neighbours and sockets go with it; another
// instance's stay.
TEST_F(NetstackCommands, RemoveLeavesTheOtherInstancesTablesAlone) {
    auto of = [](const char* netstack, json entry) {
        entry["netstack"] = netstack;
        return entry;
    };
    const json route = {{"ipv4Gateway", "10.9.0.1"}};
    const json neighbor = {{"address", "10.9.0.7"}, {"interfaceName", "lmx1"}};
    const json ipv6Neighbor = {{"address", "fe80::7"}, {"interfaceName", "lmx1"}};
    const json socket = {{"protocol", "tcp"}, {"localAddress", "10.9.0.11"}};
    UseHost({{"netstacks", IpStackTest::Netstacks({"travex", "spare"})},
             {"lmxnics", {{"lmxnics", {Nic("lmx1", "travex", "10.1.0.11")}}}},
             {"routes", {{"tables", {of("spare", route), of("travex", route)}}}},
             {"neighbors",
              {{"ipv4", {of("spare", neighbor), of("travex", neighbor)}},
               {"ipv6", {of("travex", ipv6Neighbor), of("spare", ipv6Neighbor)}}}},
             {"connections", {{"connections", {of("travex", socket), of("spare", socket)}}}}});

    EXPECT_EQ(Run("network ip netstack remove -N spare").root, true);
    EXPECT_EQ(Section("routes")["tables"].size(), 1u);
    EXPECT_EQ(Section("routes")["tables"][0]["netstack"], "travex");
    for (const char* family : {"ipv4", "ipv6"}) {
        ASSERT_EQ(Section("neighbors")[family].size(), 1u) << family;
        EXPECT_EQ(Section("neighbors")[family][0]["netstack"], "travex") << family;
    }
    ASSERT_EQ(Section("connections")["connections"].size(), 1u);
    EXPECT_EQ(Section("connections")["connections"][0]["netstack"], "travex");
}

TEST_F(NetstackCommands, SetChangesEachGivenSetting) {
    EXPECT_EQ(
        Run("network ip netstack set -N spare -n backup -e false -m 20000 -c cubic -i false --ecn echo-only").root,
        true);
    EXPECT_EQ(Get("spare"), json::parse(R"([{"Key": "spare", "Name": "backup", "Enabled": false,
        "Max Connections": 20000, "Current Max Connections": 0, "Congestion Control Algorithm": "cubic",
        "IPv6 Enabled": false, "Current IPv6 Enabled": false, "ECN Status": "echo-only", "State": 0}])"));
    EXPECT_EQ(Run("network ip netstack set -N spare -e true").root, true);
    EXPECT_EQ(Get("spare")[0]["Current Max Connections"], 20000);
    EXPECT_EQ(Get("spare")[0]["Enabled"], true);
}

TEST_F(NetstackCommands, SetWithEmptyNameOrAlgorithmLeavesThemAlone) {
    EXPECT_EQ(Run({"network", "ip", "netstack", "set", "-N", "spare", "-n", ""}).root, true);
    EXPECT_EQ(Get("spare")[0]["Name"], "spare");
    EXPECT_FALSE(Run("network ip netstack set -N spare -c fastest").errors.empty());
    EXPECT_EQ(Get("spare")[0]["Congestion Control Algorithm"], "newreno");
}

TEST_F(NetstackCommands, SetFailureKeepsEarlierStepsAndJoinsItsPrefix) {
    auto result = Run("network ip netstack set -N spare -n renamed -m -5");
    EXPECT_TRUE(result.root.is_null());
    EXPECT_EQ(result.errors,
              std::vector<std::string>{"Error setting configurationMaximum connections -5 is out of range [1, 64000]"});
    EXPECT_EQ(Get("spare")[0]["Name"], "renamed");
    EXPECT_EQ(Get("spare")[0]["Max Connections"], 11000);
    EXPECT_EQ(Run("network ip netstack set -N spare -m 4294972296").errors,
              std::vector<std::string>{
                  "Error setting configurationMaximum connections 2147483647 is out of range [1, 64000]"});
    ExpectRefused("network ip netstack set -N defaultTcpipStack -e false",
                  "Error setting configurationThe default netstack instance cannot be disabled");
}

TEST_F(NetstackCommands, GetFailureUsesTheDoubledFullStopPrefix) {
    InjectFault("NetstackInstanceImpl::GetState", "kernel busy");
    ExpectRefused("network ip netstack get -N spare",
                  "Error getting Netstack instance configuration. . Error was : kernel busy");
    ExpectRefused("network ip netstack list", "kernel busy");
}

TEST_F(NetstackCommands, GlobalIpv6SwitchRoundTrip) {
    EXPECT_EQ(Run("network ip get").root, json({{"IPv6 Enabled", true}}));
    EXPECT_EQ(Run("network ip set").root, true);
    EXPECT_EQ(Run("network ip get").root, json({{"IPv6 Enabled", true}}));
    EXPECT_EQ(Run("network ip set -e false").root, true);
    EXPECT_EQ(Run("network ip get").root, json({{"IPv6 Enabled", false}}));
    EXPECT_EQ(Section("netstacks")["ipv6Enabled"], false);
    InjectFault("NetworkInfo::SetLmxIpv6Enabled", "needs maintenance mode");
    ExpectRefused("network ip set -e true", "needs maintenance mode");
}

}  // namespace
