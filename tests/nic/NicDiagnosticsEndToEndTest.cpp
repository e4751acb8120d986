// NetQueue, diagnostics, capabilities, attachments and DCB end to end: the
// talixcli binary with JSON output on a temporary host root.
#include <sys/stat.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include "nic/NicTestSupport.h"

namespace NicTest {
namespace {

json Host() {
    return {{"pnics",
             {{{"name", "pnic0"},
               {"macAddress", "02:00:00:00:20:00"},
               {"netqueue",
                {{"txQueues", 2},
                 {"rxQueues", 2},
                 {"settingsSupported", 0x180},
                 {"settingsAllowed", 0x100},
                 {"plugins", {{{"module", "qbal"}, {"plugin", "pack"}, {"description", "packs filters"}}}}}},
               {"registers", {0x1a, 0x5, 0xdeadbeef}},
               {"eeprom", {1, 2, 3, 4, 5, 6, 7, 8}},
               {"eepromMagic", 99},
               {"hwCapsSupported", 0x80000005},
               {"hwCapsActivated", 0x1}},
              {{"name", "pnic1"},
               {"macAddress", "02:00:00:00:20:01"},
               {"dcb", {{"mode", 2}, {"pfcConfig", 0x09}, {"ets", {{"txBandwidth", {200, 55}}}}}}}}}};
}

TEST(NicDiagnosticsEndToEnd, NetqueueChangesPersistBetweenRuns) {
    TempHostRoot root;
    root.WriteSection("pnics", Host());
    ChangeOnHost(root, "network nic queue count set -n pnic0 -r true -q 6");
    ChangeOnHost(root, "network nic queue loadbalancer set -n pnic0 --rsslb true --lrolb false");
    ChangeOnHost(root, "network nic queue loadbalancer plugin set -n pnic0 -e true -m qbal -p pack");
    ChangeOnHost(root, "network nic queue loadbalancer state set -n pnic0 -e false");

    EXPECT_EQ(JsonOnHost(root, "network nic queue count get -n pnic0"),
              json::parse(R"([{"NIC":"pnic0","Tx netqueue count":2,"Rx netqueue count":6}])"));
    auto settings = JsonOnHost(root, "network nic queue loadbalancer list")[0];
    EXPECT_EQ(settings, json::parse(R"({"DynamicQPool": "UD", "GeneveOAM": "UD", "LRO": "SD",
        "MacLearnLB": "UD", "NIC": "pnic0", "PreEmptibleQ": "UD",
        "RSS": "SA", "RSSLRO": "UD", "RxDynamicLB": "UD",
        "RxQLatency": "UD", "RxQNoFeature": "UD", "RxQPair": "UD"})"));
    EXPECT_EQ(JsonOnHost(root, "network nic queue loadbalancer plugin list")[0]["Enabled"], true);
    EXPECT_EQ(JsonOnHost(root, "network nic queue loadbalancer state list -n pnic0")[0]["Enabled"], false);
}

TEST(NicDiagnosticsEndToEnd, DumpsAndEepromFile) {
    TempHostRoot root;
    root.WriteSection("pnics", Host());
    EXPECT_EQ(JsonOnHost(root, "network nic register dump -n pnic0"),
              json::parse(R"([{"Offset":"0000","Value":"1a 05 deadbeef "}])"));
    EXPECT_EQ(JsonOnHost(root, "network nic eeprom dump -n pnic0 -o 6"),
              json::parse(R"([{"Offset":"0000","Value":"                  07 08 "}])"));

    // The file name is relative to the directory the command runs in.
    root.WriteFile("image.bin", "\x11\x22");
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof(previous)), nullptr);
    ASSERT_EQ(chdir(root.Path().c_str()), 0);
    auto change = RunOnHost(root, "--formatter=json network nic eeprom change -n pnic0 -m 99 -f image.bin");
    ASSERT_EQ(chdir(previous), 0);
    ASSERT_EQ(change.status, 0) << change.err;
    EXPECT_EQ(JsonOnHost(root, "network nic eeprom dump -n pnic0 -l 3"),
              json::parse(R"([{"Offset":"0000","Value":"11 22 03 "}])"));
}

// A device without end or a FIFO named by -f: refused at once, host unchanged.
TEST(NicDiagnosticsEndToEnd, EepromFileThatIsNoRegularFileIsRefusedWithoutBlocking) {
    TempHostRoot root;
    root.WriteSection("pnics", Host());
    const std::string before = root.ReadFile("state/pnics.json");
    ASSERT_EQ(::mkfifo((root.Path() + "/image.fifo").c_str(), 0600), 0);
    for (const std::string& file : {std::string("/dev/zero"), root.Path() + "/image.fifo"}) {
        auto change = RunOnHost(root, "--formatter=json network nic eeprom change -n pnic0 -m 99 -f " + file);
        EXPECT_EQ(change.status, 1);
        EXPECT_EQ(change.err, "EEPROM file " + file + " is not a regular file\n");
        EXPECT_EQ(root.ReadFile("state/pnics.json"), before);
    }
}

}  // namespace
}  // namespace NicTest
