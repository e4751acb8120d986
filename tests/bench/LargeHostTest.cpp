// The benchmark host generator at a small size: its output loads, every part
// lists with the counts asked for, and commands can change it.
#include <stdexcept>

#include "LargeHost.h"
#include "support/CliHarness.h"
#include "support/SectionCodec.h"

namespace {

using nlohmann::json;
using TalixBench::LargeHostSize;
using TalixTest::RootJson;

LargeHostSize Small() {
    LargeHostSize size;
    size.pnics = 6;  // three per switch
    size.switches = 2;
    size.portsPerSwitch = 32;
    size.lmxnics = 7;  // four on the standard switches, three on the distributed one
    size.vms = 9;
    size.portsPerVm = 3;
    size.filtersPerPort = 2;
    size.ipv4Routes = 20;
    size.ipv6Routes = 15;
    size.neighbors = 30;
    size.connections = 45;
    size.hostsEntries = 12;
    size.ipsecSas = 5;
    size.rulesets = 3;
    return size;
}

class LargeHostInMemory : public TalixTest::MemoryHostTest {
protected:
    void SetUp() override {
        MemoryHostTest::SetUp();
        UseHost(json::object(), TalixBench::LargeHostFiles(Small()));
    }
    json List(const std::string& command) {
        auto invocation = cli.Invoke(command);
        EXPECT_TRUE(TalixTest::Errors(invocation).empty()) << command;
        return RootJson(invocation);
    }
};

TEST_F(LargeHostInMemory, EveryPartListsWithTheSizeAsked) {
    EXPECT_EQ(List("network nic list").size(), 6u);
    EXPECT_EQ(List("network vswitch standard list").size(), 2u);
    EXPECT_EQ(List("network vswitch standard portgroup list").size(), 4u);
    EXPECT_EQ(List("network vswitch dvs norvale list").size(), 1u);
    EXPECT_EQ(List("network ip interface list").size(), 7u);
    EXPECT_EQ(List("network vm list").size(), 9u);
    // The default route, one connected route per interface, then the static routes.
    EXPECT_EQ(List("network ip route ipv4 list").size(), 1u + 7u + 20u);
    EXPECT_EQ(List("network ip route ipv6 list").size(), 1u + 7u + 15u);
    EXPECT_EQ(List("network ip neighbor list").size(), 30u);
    EXPECT_EQ(List("network ip connection list").size(), 45u);
    EXPECT_EQ(List("network ip hosts list").size(), 12u);
    EXPECT_EQ(List("network ip ipsec sa list").size(), 5u);
    EXPECT_EQ(List("network ip ipsec sp list").size(), 5u);
    EXPECT_EQ(List("network firewall ruleset list").size(), 3u);
}

TEST_F(LargeHostInMemory, ObjectsAreConsistentAcrossSections) {
    // Every VM port and every socket names a world the host knows.
    for (const auto& vm : List("network vm list")) EXPECT_EQ(vm["Num Ports"], 3) << vm.dump();
    for (const auto& socket : List("network ip connection list")) EXPECT_NE(socket["World Name"], "") << socket.dump();
    auto ports = List("network vm port list -w " + std::to_string(TalixBench::VmWorldId(4)));
    ASSERT_EQ(ports.size(), 3u);
    auto filters = List("network port filter stats get -p " + std::to_string(ports[0]["Port ID"].get<int64_t>()));
    EXPECT_EQ(filters.size(), 2u);
    // Static routes leave by the interface whose network holds their gateway.
    auto routes = List("network ip route ipv4 list");
    EXPECT_EQ(routes.back()["Network"], "100.64.19.0");
    EXPECT_EQ(routes.back()["Gateway"], "10.200.5.254");
    EXPECT_EQ(routes.back()["Interface"], "lmx5");
    auto interfaces = List("network ip interface list");
    EXPECT_EQ(interfaces[0]["Portset"], "vs-scale-00");
    EXPECT_EQ(interfaces[6]["Portset"], "cds-scale");
}

TEST_F(LargeHostInMemory, ChangesKeepTheRestOfTheHost) {
    auto add = cli.Invoke("network ip route ipv4 add -n 198.51.100.0/24 -g 10.200.3.254");
    ASSERT_TRUE(TalixTest::Errors(add).empty());
    EXPECT_EQ(List("network ip route ipv4 list").size(), 1u + 7u + 21u);
    EXPECT_EQ(Section("routes")["tables"][0]["ipv6Routes"].size(), 15u);
}

TEST(LargeHostSizes, EverySectionReadsAndWritesAsTheLibraryDoes) {
    TalixTest::ExpectEverySectionCodecAgrees(TalixBench::LargeHostFiles(Small()));
}

TEST(LargeHostSizes, InconsistentSizesAreRefused) {
    auto refused = [](LargeHostSize size) {
        EXPECT_THROW(TalixBench::LargeHostFiles(size), std::invalid_argument);
    };
    LargeHostSize size = Small();
    size.portsPerSwitch = 16;  // 14 VM ports, 2 host interfaces and 3 uplinks per switch
    refused(size);
    size = Small();
    size.lmxnics = 257;
    refused(size);
    size = Small();
    size.neighbors = 7 * 230 + 1;
    refused(size);
    size = Small();
    size.switches = 2;
    size.portsPerSwitch = 4096;  // two full switches exceed the host's 4608 ports
    refused(size);
    size = Small();
    size.lmxnics = 0;
    refused(size);  // routes need an interface
}

TEST(LargeHostEndToEnd, GeneratedRootListsThroughTalixcli) {
    TalixTest::TempHostRoot root;
    TalixBench::WriteLargeHost(root.Path(), Small());
    for (const auto& [command, count] : std::map<std::string, size_t>{{"network ip connection list", 45},
                                                                     {"network ip route ipv4 list", 28},
                                                                     {"network vm list", 9},
                                                                     {"network nic list", 6}}) {
        auto result = TalixTest::RunOnHost(root, "--formatter=json " + command);
        ASSERT_EQ(result.status, 0) << command << ": " << result.err;
        EXPECT_EQ(json::parse(result.out).size(), count) << command;
    }
    auto add = TalixTest::RunOnHost(root, "--formatter=json network ip route ipv4 add -n 198.51.100.0/24 -g 10.200.3.254");
    ASSERT_EQ(add.status, 0) << add.err;
    EXPECT_EQ(root.ReadSection("routes")["tables"][0]["ipv4Routes"].size(), 21u);
    EXPECT_EQ(root.ReadSection("connections")["connections"].size(), 45u);
}

}  // namespace
