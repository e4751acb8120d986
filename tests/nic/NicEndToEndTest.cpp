// The NIC commands end to end: the talixcli binary with JSON output on a temporary host root.
#include <nlohmann/json.hpp>

#include "nic/NicTestSupport.h"

namespace NicTest {
namespace {

json TwoNics() {
    return json::parse(R"({"pnics": [
        {"name": "pnic0", "driver": "cvx10", "pciAddress": "0000:3b:00.0", "vendorName": "Corvane",
         "deviceName": "CX-4200", "macAddress": "02:00:00:00:10:00", "supportedPorts": [4], "port": 4,
         "supportsMessageLevel": true, "speed": 10000,
         "linkModes": [{"speed": 1000, "duplex": 1, "media": 3}, {"speed": 10000, "duplex": 1, "media": 9}]},
        {"name": "usbnic0", "driver": "uethr", "description": "USB-NIC:Tembrook:TB-100",
         "pause": {"supported": false}}]})");
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
        EXPECT_NE(
            refused.err.find(length == 4096 ? "must match the pattern [pumbagsd]+." : "at most 4096 are accepted"),
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
    ChangeOnHost(root, "network nic set -n pnic0 -S 1000 -D full -l 5");
    ChangeOnHost(root, "network nic ring current set -n pnic0 -t 2048");
    ChangeOnHost(root, "network nic software set -n usbnic0 --ipv6cso true");

    // The fields the changes touch, read back by later runs (the whole record is
    // checked in memory by the NIC settings tests).
    json info = JsonOnHost(root, "network nic get -n pnic0");
    EXPECT_EQ(json::array({info["Advertised Auto Negotiation"], info["Advertised Link Modes"], info["Auto Negotiation"],
                           info["Current Message Level"], info["Cable Type"], info["Supported Ports"]}),
              json::parse(R"([false, ["1000BaseX/Full"], false, 5, "FIBRE", ["FIBRE"]])"));
    EXPECT_EQ(JsonOnHost(root, "network nic ring current get -n pnic0")["TX"], 2048);
    EXPECT_EQ(JsonOnHost(root, "network nic software list -n usbnic0")[0]["IPv6 CSO"], "on");
    EXPECT_EQ(JsonOnHost(root, "network nic stats get -n usbnic0")[0]["NIC Name"], "usbnic0");
}

}  // namespace
}  // namespace NicTest
