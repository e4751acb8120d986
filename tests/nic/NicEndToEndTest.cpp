// The NIC commands end to end: the talixcli binary with JSON output on a temporary host root.
#include <nlohmann/json.hpp>

#include "support/CliHarness.h"

namespace NicTest {
namespace {

using nlohmann::json;
using TalixTest::RunOnHost;
using TalixTest::TempHostRoot;

json TwoNics() {
    return {{"pnics",
             {{{"name", "pnic0"},
               {"driver", "cvx10"},
               {"pciAddress", "0000:3b:00.0"},
               {"vendorName", "Corvane"},
               {"deviceName", "CX-4200"},
               {"macAddress", "02:00:00:00:10:00"},
               {"supportedPorts", {4}},
               {"port", 4},
               {"supportsMessageLevel", true},
               {"linkModes",
                {{{"speed", 1000}, {"duplex", 1}, {"media", 3}}, {{"speed", 10000}, {"duplex", 1}, {"media", 9}}}},
               {"speed", 10000}},
              {{"name", "usbnic0"},
               {"driver", "uethr"},
               {"description", "USB-NIC:Tembrook:TB-100"},
               {"pause", {{"supported", false}}}}}}};
}

// A long value for a parameter with a pattern used to crash talixcli.
TEST(NicEndToEnd, ALongWakeOnLanValueIsCheckedNotACrash) {
    TempHostRoot root;
    ASSERT_EQ(RunOnHost(root, "network nic list").status, 0);  // the demo host is written on first use
    std::string before = root.ReadFile("state/pnics.json");
    for (size_t length : {size_t(4096), size_t(100000)}) {
        auto refused = TalixTest::RunTalixcli({"network", "nic", "set", "-n", "pnic0", "-w", std::string(length, 'x')},
                                              {{"TALIX_HOST_ROOT", root.Path()}});
        EXPECT_EQ(refused.status, 2) << refused.err.substr(0, 200);
        EXPECT_NE(refused.err.find(length == 4096 ? "must match the pattern [pumbagsd]+." : "at most 4096 are accepted"),
                  std::string::npos)
            << refused.err.substr(0, 200);
        EXPECT_EQ(root.ReadFile("state/pnics.json"), before);
    }

    // A long value that matches goes through to the NIC, which has no Wake-on-LAN.
    auto matched = TalixTest::RunTalixcli(
        {"--formatter=json", "network", "nic", "set", "-n", "pnic0", "-w", std::string(4096, 'g')},
        {{"TALIX_HOST_ROOT", root.Path()}});
    EXPECT_EQ(matched.status, 1);
    EXPECT_EQ(matched.err, "Not Support wol.\n");
    EXPECT_EQ(root.ReadFile("state/pnics.json"), before);
}

TEST(NicEndToEnd, SettingsPersistBetweenRuns) {
    TempHostRoot root;
    root.WriteSection("pnics", TwoNics());

    auto set = RunOnHost(root, "--formatter=json network nic set -n pnic0 -S 1000 -D full -l 5");
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(json::parse(set.out), true);
    EXPECT_EQ(RunOnHost(root, "network nic ring current set -n pnic0 -t 2048").status, 0);
    EXPECT_EQ(RunOnHost(root, "network nic software set -n usbnic0 --ipv6cso true").status, 0);

    auto get = RunOnHost(root, "--formatter=json network nic get -n pnic0");
    ASSERT_EQ(get.status, 0) << get.err;
    auto info = json::parse(get.out);
    EXPECT_EQ(info, json::parse(R"({"Advertised Auto Negotiation": false,
        "Advertised Link Modes": ["1000BaseX/Full"], "Auto Negotiation": false,
        "Backing DPU Id": "N/A", "Cable Type": "FIBRE",
        "Current Message Level": 5,
        "Driver Info": {"Bus Info": "0000:3b:00.0", "Driver": "cvx10", "Firmware Version": "", "Version": ""},
        "Link Detected": true, "Link Status": "Up", "Name": "pnic0",
        "PHY Address": 0, "Pause Autonegotiate": true, "Pause RX": true,
        "Pause TX": true, "Supported Ports": ["FIBRE"],
        "Supports Auto Negotiation": true, "Supports Pause": true,
        "Supports Wakeon": false, "Transceiver": "internal",
        "Virtual Address": "", "Wakeon": ["None"]})"));

    auto ring = RunOnHost(root, "--formatter=json network nic ring current get -n pnic0");
    EXPECT_EQ(json::parse(ring.out)["TX"], 2048);
    auto software = RunOnHost(root, "--formatter=json network nic software list -n usbnic0");
    EXPECT_EQ(json::parse(software.out)[0]["IPv6 CSO"], "on");
    auto stats = RunOnHost(root, "--formatter=json network nic stats get -n usbnic0");
    ASSERT_EQ(stats.status, 0) << stats.err;
    EXPECT_EQ(json::parse(stats.out)[0]["NIC Name"], "usbnic0");
}

}  // namespace
}  // namespace NicTest
