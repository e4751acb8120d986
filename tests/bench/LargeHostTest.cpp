// The benchmark host generator at a small size: its output loads, every part
// lists with the counts asked for, and commands can change it.
#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

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
    const std::pair<const char*, size_t> sizes[] = {
        {"network nic list", 6},
        {"network vswitch standard list", 2},
        {"network vswitch standard portgroup list", 4},
        {"network vswitch dvs norvale list", 1},
        {"network ip interface list", 7},
        {"network vm list", 9},
        // The default route, one connected route per interface, then the static routes.
        {"network ip route ipv4 list", 1 + 7 + 20},
        {"network ip route ipv6 list", 1 + 7 + 15},
        {"network ip neighbor list", 30},
        {"network ip connection list", 45},
        {"network ip hosts list", 12},
        {"network ip ipsec sa list", 5},
        {"network ip ipsec sp list", 5},
        {"network firewall ruleset list", 3},
    };
    for (const auto& [command, size] : sizes) EXPECT_EQ(List(command).size(), size) << command;
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
    const json route = List("network ip route ipv4 list").back();
    EXPECT_EQ(json::array({route["Network"], route["Gateway"], route["Interface"]}),
              json::array({"100.64.19.0", "10.200.5.254", "lmx5"}));
    auto interfaces = List("network ip interface list");
    EXPECT_EQ(interfaces[0]["Portset"], "vs-scale-00");
    EXPECT_EQ(interfaces[6]["Portset"], "cds-scale");
}

// The listings that resolve an object per row (a port group, a port, a world,
// an interface) list what a plain reading of the sections gives, order included.
TEST_F(LargeHostInMemory, PerRowLookupsListWhatTheSectionsHold) {
    LargeHostSize size = Small();
    size.portgroupsPerSwitch = 5;
    UseHost(json::object(), TalixBench::LargeHostFiles(size));
    const json vswitches = Section("vswitches")["vswitches"];
    const json dvswitches = Section("dvswitches")["dvswitches"];

    json portgroups = json::array();
    for (const auto& vswitch : vswitches) {
        for (const auto& group : vswitch["portgroups"]) {
            int clients = 0;
            for (const auto& port : vswitch["ports"]) clients += port["portgroup"] == group["name"] ? 1 : 0;
            portgroups.push_back({{"Name", group["name"]},
                                  {"Virtual Switch", vswitch["name"]},
                                  {"Active Clients", clients},
                                  {"VLAN ID", group.value("vlanId", 0)}});
        }
    }
    EXPECT_EQ(portgroups.size(), 10u);
    EXPECT_EQ(List("network vswitch standard portgroup list"), portgroups);

    std::map<int64_t, json> networks;
    std::map<int64_t, std::vector<int64_t>> portIds;
    for (const auto& vswitch : vswitches) {
        for (const auto& port : vswitch["ports"]) {
            if (port.value("worldId", 0) == 0) continue;
            networks[port["worldId"]].push_back(port["portgroup"]);
            portIds[port["worldId"]].push_back(port["portId"]);
        }
    }
    json vms = json::array();
    for (const auto& [world, names] : networks) {
        vms.push_back({{"World ID", world}, {"Num Ports", names.size()}, {"Networks", names}});
    }
    json listed = List("network vm list");
    ASSERT_EQ(listed.size(), vms.size());
    for (size_t v = 0; v < vms.size(); ++v) {
        for (const char* field : {"World ID", "Num Ports", "Networks"}) EXPECT_EQ(listed[v][field], vms[v][field]) << v;
        char name[32];
        std::snprintf(name, sizeof name, "vm%04zu", v);
        EXPECT_EQ(listed[v]["Name"], name);
    }
    for (size_t v : {0ul, 4ul, 8ul}) {
        std::vector<int64_t> listedIds;
        for (const auto& port : List("network vm port list -w " + std::to_string(TalixBench::VmWorldId(v)))) {
            listedIds.push_back(port["Port ID"]);
        }
        EXPECT_EQ(listedIds, portIds[TalixBench::VmWorldId(v)]) << v;
    }

    json interfaces = List("network ip interface list");
    const json lmxnics = Section("lmxnics")["lmxnics"];
    ASSERT_EQ(interfaces.size(), lmxnics.size());
    for (size_t i = 0; i < lmxnics.size(); ++i) {
        const json& shown = interfaces[i];
        const json& stored = lmxnics[i];
        EXPECT_EQ(json::array({shown["Name"], shown["MAC Address"], shown["Portset"], shown["Port ID"]}),
                  json::array({stored["name"], stored["macAddress"], stored["portset"], stored["portId"]}))
            << i;
    }
    EXPECT_EQ(dvswitches[0]["dvports"].size(), 3u);
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

TEST(LargeHostSizes, ScalingMultipliesTotalsAndKeepsDensities) {
    const LargeHostSize base;
    const LargeHostSize scaled = TalixBench::ScaledSize(10);
    auto totals = [](const LargeHostSize& size, int factor) {
        return json{factor * size.pnics, factor * size.switches,    factor * size.lmxnics,
                    factor * size.vms,   factor * size.connections, factor * size.rulesets};
    };
    auto densities = [](const LargeHostSize& size) {
        return json{size.portsPerSwitch, size.portsPerVm, size.portgroupsPerSwitch};
    };
    EXPECT_EQ(totals(scaled, 1), totals(base, 10));
    EXPECT_EQ(densities(scaled), densities(base));
    EXPECT_FALSE(scaled.withinHostPortLimit);
    EXPECT_NO_THROW(TalixBench::CheckSize(scaled));
    EXPECT_TRUE(TalixBench::ScaledSize(1).withinHostPortLimit);
}

TEST(LargeHostSizes, InterfacesPastTheFirst256GetTheirOwnNetworks) {
    EXPECT_EQ(TalixBench::LmxIpv4Address(255), "10.200.255.11");
    EXPECT_EQ(TalixBench::LmxIpv4Address(256), "10.201.0.11");
    EXPECT_EQ(TalixBench::LmxIpv4Address(4095), "10.215.255.11");
    LargeHostSize size = Small();
    size.lmxnics = 300;
    size.ipv4Routes = 600;
    size.neighbors = 600;
    auto files = TalixBench::LargeHostFiles(size);
    const json lmxnics = json::parse(files["state/lmxnics.json"]);
    const json routes = json::parse(files["state/routes.json"]);
    std::set<std::string> addresses;
    for (const auto& nic : lmxnics["lmxnics"]) {
        addresses.insert(nic["ipConfig"]["ipv4Address"].get<std::string>());
    }
    EXPECT_EQ(addresses.size(), 300u);
    ASSERT_EQ(routes["tables"][0]["ipv4Routes"].size(), 600u);
    for (const auto& route : routes["tables"][0]["ipv4Routes"]) {
        size_t lmx = std::stoul(route["interfaceName"].get<std::string>().substr(3));
        std::string network = TalixBench::LmxIpv4Address(lmx);
        EXPECT_EQ(route["gateway"], network.substr(0, network.size() - 2) + "254");
    }
}

TEST(LargeHostSizes, InconsistentSizesAreRefused) {
    const std::function<void(LargeHostSize&)> changes[] = {
        [](LargeHostSize& size) { size.portsPerSwitch = 16; },  // 14 VM ports, 2 host interfaces and 3 uplinks
        [](LargeHostSize& size) { size.lmxnics = 4097; },
        [](LargeHostSize& size) { size.neighbors = 7 * 230 + 1; },
        [](LargeHostSize& size) { size.portsPerSwitch = 4096; },  // two full switches exceed the host's 4608 ports
        [](LargeHostSize& size) { size.lmxnics = 0; },  // routes need an interface
    };
    for (const auto& change : changes) {
        LargeHostSize size = Small();
        change(size);
        EXPECT_THROW(TalixBench::LargeHostFiles(size), std::invalid_argument);
    }
}

TEST(LargeHostEndToEnd, GeneratedRootListsThroughTalixcli) {
    TalixTest::TempHostRoot root;
    LargeHostSize size = Small();
    size.portgroupsPerSwitch = 40;
    TalixBench::WriteLargeHost(root.Path(), size);
    for (const auto& [command, count] : std::map<std::string, size_t>{{"network ip connection list", 45},
                                                                      {"network vswitch standard portgroup list", 80},
                                                                      {"network ip route ipv4 list", 28},
                                                                      {"network vm list", 9},
                                                                      {"network nic list", 6}}) {
        EXPECT_EQ(TalixTest::JsonOnHost(root, command).size(), count) << command;
    }
    TalixTest::ChangeOnHost(root, "network ip route ipv4 add -n 198.51.100.0/24 -g 10.200.3.254");
    EXPECT_EQ(root.ReadSection("routes")["tables"][0]["ipv4Routes"].size(), 21u);
    EXPECT_EQ(root.ReadSection("connections")["connections"].size(), 45u);
}

}  // namespace
