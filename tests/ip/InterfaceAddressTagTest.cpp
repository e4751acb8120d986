// IPv6 addresses and tags of interfaces through the framework on an in-memory host.
#include <gtest/gtest.h>

#include <utility>

#include "IpifFixture.h"
#include "lmxctl/LumexNicInfoImpl.h"

namespace {

using IpifTest::Host;
using IpifTest::Nic;
using nlohmann::json;

const char kInvalidFormat[] =
    "Invalid format for IPv6 address. Address must be in the format <ipv6-address>/<prefix-length>   Example: "
    "1:2:3:4::/64";

class InterfaceAddresses : public IpifTest::IpifHostTest {
protected:
    void SetUp() override {
        IpifHostTest::SetUp();
        auto addressed = Nic("lmx1");
        addressed["ipConfig"]["ipv6Addresses"] = {{{"address", "fe80::1/64"}, {"type", 7}, {"status", 2}},
                                                  {{"address", "2001:db8::9/64"}, {"type", 9}, {"status", 3}},
                                                  {{"address", "2001:db8::a/48"}, {"type", 4}, {"status", 5}}};
        UseHost(Host({Nic("lmx0"), addressed}));
    }
};

TEST_F(InterfaceAddresses, AddListRemoveRoundTrip) {
    ASSERT_EQ(Run("network ip interface ipv6 address add -i lmx0 -I 2001:db8:1::5/64").root, true);
    EXPECT_EQ(FindNic("lmx0")["configuredIpConfig"]["ipv6Addresses"][0]["address"], "2001:db8:1::5/64");
    auto list = Run("network ip interface ipv6 address list -i lmx0").root;
    EXPECT_EQ(list, json::array({{{"Interface", "lmx0"},
                                  {"Address", "2001:db8:1::5"},
                                  {"Netmask", 64},
                                  {"Type", "STATIC"},
                                  {"Status", "PREFERRED"}}}));
    ASSERT_EQ(Run("network ip interface ipv6 address remove -i lmx0 -I 2001:db8:1::5/64").root, true);
    EXPECT_EQ(Run("network ip interface ipv6 address list -i lmx0").root, json::array());
}

TEST_F(InterfaceAddresses, ListNamesTypesAndStatuses) {
    auto list = Run("network ip interface ipv6 address list").root;
    ASSERT_EQ(list.size(), 3u);
    const std::tuple<const char*, int, const char*, const char*> expected[] = {
        {"fe80::1", 64, "AUTOCONF", "TENTATIVE"},
        {"2001:db8::9", 64, "DHCP", "DUPLICATED"},
        {"2001:db8::a", 48, "", "DEPRECATED"}};
    for (size_t index = 0; index < 3; ++index) {
        auto [address, netmask, type, status] = expected[index];
        const json& row = list[index];
        EXPECT_EQ(json::array({row["Interface"], row["Address"], row["Netmask"], row["Type"], row["Status"]}),
                  json::array({"lmx1", address, netmask, type, status}));
    }
}

TEST_F(InterfaceAddresses, RefusalsAndTheirOrder) {
    // the format is checked before the interface is looked up
    for (const char* command : {"network ip interface ipv6 address add -i lmx9 -I 2001:db8::5",
                                "network ip interface ipv6 address remove -i lmx9 -I nonsense/64"}) {
        ExpectRefused(command, kInvalidFormat);
    }
    ExpectRefused("network ip interface ipv6 address add -i lmx9 -I 2001:db8::5/64",
                  "Unable to find a Lumex interface with the name lmx9");
    auto absent = Run("network ip interface ipv6 address remove -i lmx0 -I 2001:db8::5/64");
    ASSERT_EQ(absent.errors.size(), 1u);
    EXPECT_EQ(absent.errors[0].rfind("Error removing IPv6 address for the interface lmx0. Error was : ", 0), 0u);
    auto twice = Run("network ip interface ipv6 address add -i lmx1 -I fe80::1/64");
    ASSERT_EQ(twice.errors.size(), 1u);
    EXPECT_EQ(twice.errors[0].rfind("Error adding IPv6 address for the interface lmx1. Error was : ", 0), 0u);
    InjectFault("LmxNic::GetIpConfig", "gone");
    ExpectRefused("network ip interface ipv6 address list", "Unable to list IPv6 Addresses. Error was: gone");
}

// Addresses no interface can hold are refused by the host, and nothing is written.
TEST_F(InterfaceAddresses, HostRefusesAddressesNoInterfaceCanHold) {
    const std::pair<const char*, const char*> refused[] = {
        {"::/128", "IPv6 address :: is the unspecified address"},
        {"::1/128", "IPv6 address ::1 is the loopback address"},
        {"ff02::1/64", "IPv6 address ff02::1 is a multicast address"},
        {"::ffff:10.0.0.1/96", "IPv6 address ::ffff:10.0.0.1 is an IPv4-mapped address"},
        {"2001:db8::5/0", "Prefix length 0 is out of range: 1 to 128"},
    };
    const auto before = FindNic("lmx0");
    for (const auto& [address, reason] : refused) {
        auto result = Run(std::string("network ip interface ipv6 address add -i lmx0 -I ") + address);
        EXPECT_TRUE(result.root.is_null()) << address;
        EXPECT_EQ(result.errors,
                  std::vector<std::string>{
                      std::string("Error adding IPv6 address for the interface lmx0. Error was : ") + reason})
            << address;
    }
    EXPECT_EQ(FindNic("lmx0"), before);
    for (const char* address : {"fe80::5/64", "2001:db8::5/128", "fd00::1/8", "2001:db8::6/1"}) {
        EXPECT_EQ(Run(std::string("network ip interface ipv6 address add -i lmx0 -I ") + address).root, true)
            << address;
    }
}

// Only what a change adds is checked: an address a hand-edited state holds can be removed.
TEST_F(InterfaceAddresses, AStoredAddressTheHostWouldRefuseCanStillBeRemoved) {
    auto odd = Nic("lmx0");
    odd["ipConfig"]["ipv6Addresses"] = {{{"address", "ff02::1/64"}}};
    UseHost(Host({odd}));
    EXPECT_EQ(Run("network ip interface ipv6 address add -i lmx0 -I 2001:db8::7/64").root, true);
    EXPECT_EQ(Run("network ip interface ipv6 address remove -i lmx0 -I ff02::1/64").root, true);
    EXPECT_EQ(Run("network ip interface ipv6 address list -i lmx0").root.size(), 1u);
}

class InterfaceTags : public IpifTest::IpifHostTest {
protected:
    void SetUp() override {
        IpifHostTest::SetUp();
        UseHost(Host({Nic("lmx0", "defaultTcpipStack", {1}), Nic("lmx1", "faultTolerance", {3})}));
    }
};

TEST(TagNames, BothDirectionsAgreeAndUnknownNamesGetThirteen) {
    for (int tag = 1; tag <= 12; ++tag) {
        const char* name = LmxCtl::Network::LmxNicTagIdToName(tag);
        ASSERT_NE(name, nullptr) << tag;
        EXPECT_EQ(LmxCtl::Network::LmxNicTagNameToId(name), tag);
    }
    EXPECT_EQ(LmxCtl::Network::LmxNicTagIdToName(0), nullptr);
    EXPECT_EQ(LmxCtl::Network::LmxNicTagIdToName(13), nullptr);
    EXPECT_EQ(LmxCtl::Network::LmxNicTagNameToId("migration"), 13);  // names are case-sensitive
    EXPECT_EQ(LmxCtl::Network::LmxNicTagNameToId(""), 13);
}

TEST_F(InterfaceTags, AddGetRemove) {
    EXPECT_EQ(Run("network ip interface tag get -i lmx0").root, json({{"Tags", {"HostControl"}}}));
    ASSERT_EQ(Run("network ip interface tag add -i lmx0 -t Backup").root, true);
    EXPECT_EQ(Run("network ip interface tag get -i lmx0").root["Tags"], json({"HostControl", "Backup"}));
    ASSERT_EQ(Run("network ip interface tag remove -i lmx0 -t HostControl").root, true);
    EXPECT_EQ(FindNic("lmx0")["tags"], json::array({11}));
    ASSERT_EQ(Run("network ip interface tag remove -i lmx0 -t Backup").root, true);
    EXPECT_EQ(Run("network ip interface tag get -i lmx0").root, json({{"Tags", json::array()}}));
}

TEST_F(InterfaceTags, RefusalsCarryTheirOwnMessages) {
    std::string supported =
        "Supported tags are: HostControl, Migration, FaultTolerance, Replication, ReplicaIntake, Provisioning, "
        "ClusterStorage, StorageWitness, BlockOverTcp, BlockOverRdma, Backup, Telemetry";
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"tag add -i lmx0 -t bogus", {"Invalid tag name bogus", supported}},
        {"tag remove -i lmx0 -t bogus", {"Invalid tag name bogus", supported}},
        {"tag add -i lmx9 -t Backup", {"Unable to find lmxnic with name lmx9"}},
        {"tag remove -i lmx9 -t Backup", {"Unable to find lmxnic with name lmx9"}},
        {"tag get -i lmx9", {"Unable to find an interface with name lmx9"}},
        {"tag add -i lmx1 -t Backup", {"netstack mismatch for tagBackup"}},
        {"tag remove -i lmx1 -t FaultTolerance", {"Can not remove tag from pre-defined netstack."}},
        // faultTolerance is instantiated and has lmx1: its tag cannot be added anywhere
        {"tag add -i lmx0 -t FaultTolerance",
         {"Failed to add FaultTolerance tag when dedicated stack is instantiated"}},
        {"tag remove -i lmx0 -t Backup",
         {"Error removing tag Backup from interface lmx0. Error was : Tag Backup is not set on interface lmx0"}},
    };
    for (const auto& [arguments, messages] : cases) {
        ExpectRefused(std::string("network ip interface ") + arguments, messages);
    }
    InjectFault("LmxNicImpl::AddTag", "locked");
    ExpectRefused("network ip interface tag add -i lmx0 -t Backup",
                  "Error setting tag Backup on interface lmx0. Error was : locked");
    InjectFault("LmxNic::GetTags", "locked");
    ExpectRefused("network ip interface tag get -i lmx0", "Error getting tags on interface lmx0. Error was : locked");
}

TEST_F(InterfaceTags, DedicatedTagIsAllowedWhileItsStackHasNoInterface) {
    ASSERT_EQ(Run("network ip interface tag add -i lmx0 -t Migration").root, true);
    EXPECT_EQ(FindNic("lmx0")["tags"], json::array({1, 2}));
}

}  // namespace
