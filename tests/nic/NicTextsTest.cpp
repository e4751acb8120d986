// The words nic get shows for the numbers the host reports: port and cable
// types and wake-on modes, every index and the first one past each table.
#include <string>
#include <vector>

#include "nic/NicTestSupport.h"

namespace NicTest {
namespace {

using NicTextsTest = NicCommandTest;

TEST_F(NicTextsTest, PortCableAndWakeOnNamesByIndex) {
    const std::vector<std::string> cables = {"Twisted Pair", "AUI", "BNC", "MII", "FIBRE", "DA", "BACKPLANE", ""};
    for (int port = 0; port < static_cast<int>(cables.size()); ++port) {
        UseNics({{{"name", "pnic0"},
                  {"driver", "hsg1"},
                  {"port", port},
                  {"supportedPorts", {0, 1, 2, 3, 4, 5, 6, 7}},
                  {"supportsWakeOn", true},
                  {"wakeOn", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}}}});
        json nic = Root("network nic get -n pnic0");
        EXPECT_EQ(nic["Cable Type"], cables[static_cast<size_t>(port)]) << port;
        EXPECT_EQ(nic["Supported Ports"], json({"TP", "AUI", "BNC", "MII", "FIBRE", "DA", "BACKPLANE", "UNKNOWN"}));
        EXPECT_EQ(nic["Wakeon"], json({"PHY Activity", "Unicast Messagess", "Multicast Messages", "Broadcast Messages",
                                       "ARP", "MagicPacket(tm)",
                                       "Enable SecureOn(tm) Password for" + std::string(28, ' ') + "MagicPacket(tm)",
                                       "Unsupported", "Disabled", "None"}));
    }
}

}  // namespace
}  // namespace NicTest
