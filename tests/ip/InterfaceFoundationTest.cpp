// The interface inventory and IP configuration value type the interface commands build on.
#include <gtest/gtest.h>

#include "IpStackFixtures.h"
#include "core/SimHostTesting.h"
#include "ip/IpConfigModelConvert.h"
#include "kavrel/Lib.h"
#include "lmxctl/LumexNicInfoImpl.h"
#include "lmxctl/NetworkInfoImpl.h"

namespace {

using Kavrel::Network::IpConfig;
using Kavrel::Network::Ipv4Address;
using Kavrel::Network::Ipv6Network;
using nlohmann::json;

TEST(IpConfigValue, Ipv4ModesExcludeEachOther) {
    IpConfig config;
    EXPECT_TRUE(config.GetIpv4UseNone());
    config.SetIpv4Address(Ipv4Address("10.0.0.5"));
    config.SetIpv4Netmask(Ipv4Address("255.255.255.0"));
    config.SetIpv4Gateway(Ipv4Address("10.0.0.1"));
    EXPECT_FALSE(config.GetIpv4UseNone());
    EXPECT_EQ(config.GetIpv4Broadcast().GetStringAddress(), "10.0.0.255");
    config.SetUseDhcp(true);
    EXPECT_TRUE(config.GetUseDhcp());
    config.SetIpv4UseNone();
    EXPECT_FALSE(config.GetUseDhcp());
    EXPECT_TRUE(config.GetIpv4Address().IsZero());
    EXPECT_TRUE(config.GetIpv4Gateway().IsZero());
    EXPECT_EQ(config.GetIpv4Broadcast().GetStringAddress(), "0.0.0.0");
}

TEST(IpConfigValue, Ipv6NetworksRefuseDuplicatesAndAbsentRemovals) {
    IpConfig config;
    config.AddIpv6Network(Ipv6Network("2001:db8::5/64"));
    EXPECT_THROW(config.AddIpv6Network(Ipv6Network("2001:db8::5/64")), Kavrel::Lib::KavrelException);
    EXPECT_THROW(config.RemoveIpv6Network(Ipv6Network("2001:db8::6/64")), Kavrel::Lib::KavrelException);
    config.RemoveIpv6Network(Ipv6Network("2001:db8::5/64"));
    EXPECT_TRUE(config.GetIpv6Network().empty());
}

TEST(IpConfigValue, StoredFormRoundTrips) {
    SimHost::IpConfigModel model;
    model.ipv4Address = "10.0.0.57";
    model.ipv4Netmask = "255.255.255.0";
    model.ipv4Gateway = "10.0.0.1";
    model.useDhcp = true;
    model.ipv4UseNone = false;
    model.dhcpDns = true;
    model.useIpv6RouterAdvertised = true;
    model.ipv6Gateway = "fe80::1";
    model.ipv6Addresses = {{"2001:db8::57/64", 7, 5}};
    auto config = SimHost::ToIpConfig(model);
    EXPECT_TRUE(config.GetUseDhcp());
    EXPECT_EQ(config.GetIpv4Address().GetStringAddress(), "10.0.0.57");
    EXPECT_EQ(config.GetIpv6Network()[0].GetIpv6AddressType(), 7);
    EXPECT_EQ(config.GetIpv6Network()[0].GetIpv6AddressStatus(), 5);
    EXPECT_EQ(json(SimHost::FromIpConfig(config)), json(model));
}

class LmxNicInventory : public TalixTest::MemoryHostTest {
protected:
    void SetUp() override {
        TalixTest::MemoryHostTest::SetUp();
        json lmx2 = IpStackTest::Nic("lmx2", "travex", "10.1.0.11");
        lmx2["tags"] = {2};
        lmx2["configuredIpConfig"]["dhcpDns"] = true;
        UseHost({{"lmxnics",
                  {{"lmxnics",
                    {IpStackTest::Nic("lmx0", "defaultTcpipStack", "10.0.0.11"), lmx2,
                     IpStackTest::Nic("lmx9", "defaultTcpipStack", "169.254.0.1", "255.255.0.0", true)}}}}});
    }
    static std::vector<std::string> Names(const std::vector<std::shared_ptr<LmxCtl::Network::LmxNicImpl>>& nics) {
        std::vector<std::string> names;
        for (const auto& nic : nics) names.push_back(nic->GetInterfaceName());
        return names;
    }
    LmxCtl::Network::LumexNicInfoImpl info;
};

TEST_F(LmxNicInventory, LookupsFilterByPortsetKindNetstackAndTag) {
    EXPECT_EQ(Names(info.GetLumexNics(0)), (std::vector<std::string>{"lmx0", "lmx2"}));
    EXPECT_EQ(Names(info.GetLumexNics(1)), std::vector<std::string>{"lmx9"});
    EXPECT_EQ(Names(info.GetLumexNicsByInstanceKey("travex", 0)), std::vector<std::string>{"lmx2"});
    EXPECT_EQ(Names(info.GetLumexNicsByTag(2)), std::vector<std::string>{"lmx2"});
    std::vector<std::string> names;
    info.GetLmxnicNamesByInstanceKey(names, "defaultTcpipStack", 0);
    EXPECT_EQ(names, std::vector<std::string>{"lmx0"});
    EXPECT_NE(info.GetLumexNicByInterface("lmx9", false, 1), nullptr);
    EXPECT_EQ(info.GetLumexNicByInterface("lmx9", false, 0), nullptr);
    EXPECT_EQ(info.GetLumexNicByInterface("LMX0", false, 0), nullptr);
}

TEST_F(LmxNicInventory, InterfaceReadsLiveAndConfiguredConfigurations) {
    auto nic = info.GetLumexNicByInterface("lmx2", true, 0);
    ASSERT_NE(nic, nullptr);
    EXPECT_EQ(nic->GetNetstackInstanceKey(), "travex");
    EXPECT_EQ(nic->GetIpConfig().GetIpv4Address().GetStringAddress(), "10.1.0.11");
    EXPECT_FALSE(nic->GetIpConfig().GetDhcpDns());
    EXPECT_TRUE(nic->GetConfiguredIpConfig().GetDhcpDns());
    EXPECT_EQ(nic->GetTags(), std::vector<int>{2});
    EXPECT_EQ(nic->GetMtu(), 1500);
    EXPECT_FALSE(nic->HasPort());
    EXPECT_THROW(LmxCtl::Network::LmxNicImpl("lmx7"), Kavrel::Lib::KavrelException);
}

TEST_F(LmxNicInventory, DedicatedNetstacksAndTheirState) {
    UseHost({{"netstacks", IpStackTest::Netstacks({"travex"})}});
    LmxCtl::Network::NetworkInfoImpl network;
    auto names = network.GetPredefinedNetstackNames();
    EXPECT_EQ(names, (std::vector<std::string>{"travex", "faultTolerance", "CeldraProvisioning"}));
    EXPECT_EQ(network.GetNetstackState("travex"), Kavrel::Network::NETSTACK_STATE_ENABLED);
    EXPECT_EQ(network.GetNetstackState("faultTolerance"), 0);
}

TEST_F(LmxNicInventory, InjectedFailureReachesTheCaller) {
    InjectFault("LumexNicInfoImpl::GetLumexNics", "inventory unavailable");
    EXPECT_THROW(info.GetLumexNics(0), Kavrel::Lib::KavrelException);
}

}  // namespace
