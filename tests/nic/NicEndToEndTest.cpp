// The NIC commands end to end where a transcript cannot say it: values too long
// to show, and files that are no regular files.
#include <sys/stat.h>

#include <nlohmann/json.hpp>

#include "nic/NicTestSupport.h"

namespace NicTest {
namespace {

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

// A device without end or a FIFO named by -f: refused at once, host unchanged.
TEST(NicEndToEnd, EepromFileThatIsNoRegularFileIsRefusedWithoutBlocking) {
    TempHostRoot root;
    root.WriteSection("pnics", {{"pnics", {{{"name", "pnic0"}, {"eeprom", {1, 2}}, {"eepromMagic", 99}}}}});
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
