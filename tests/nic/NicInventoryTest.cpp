// NIC inventory and link control through the framework on an in-memory host:
// nic list, get, set, up and down refused or failing (what they show and
// change is in the nic-inventory transcript).
#include "nic/NicTestSupport.h"

namespace NicTest {
namespace {

json CopperNic(const std::string& name) {
    return {{"name", name},
            {"driver", "hsg1"},
            {"pciAddress", "0000:02:00.0"},
            {"vendorName", "Halden"},
            {"deviceName", "HS-350"},
            {"macAddress", "02:00:00:00:00:01"},
            {"supportedPorts", {0, 3}},
            {"supportsWakeOn", true},
            {"wakeOnSupported", {0, 1, 2, 3, 5, 6}},
            {"wakeOn", {5}},
            {"supportsMessageLevel", true},
            {"messageLevel", 7},
            {"phyAddress", 1}};
}

json Pseudo(const std::string& name, const std::string& description) {
    return {{"name", name}, {"driver", "uethr"}, {"description", description}};
}

using NicListTest = NicCommandTest;

TEST_F(NicListTest, HostFailureDropsTheWholeList) {
    UseNics({CopperNic("pnic0"), CopperNic("pnic1")});
    InjectFault("Pnic::GetMtu", "driver not responding");
    EXPECT_EQ(OnlyError("network nic list"), "Unable to list NICs.  Error was driver not responding");
}

// A NIC the host lacks (names are case-sensitive) and a failing host call,
// each the command's one error; a failed change leaves the NIC as it was.
TEST_F(NicCommandTest, UnknownNicsAndHostFailuresAreTheOneError) {
    const struct {
        const char* command;
        const char* failingOperation;
        const char* message;
    } cases[] = {
        {"network nic get -n pnic9", nullptr, "There is no pnic with name pnic9"},
        {"network nic get -n PNIC0", nullptr, "There is no pnic with name PNIC0"},
        {"network nic up -n pnic7", nullptr, "There is no pnic with name pnic7"},
        {"network nic down -n pnic7", nullptr, "There is no pnic with name pnic7"},
        {"network nic get -n pnic0", "Pnic::GetDriverInfo", "firmware query timed out"},
        {"network nic down -n pnic0", "Pnic::SetAdminStatus", "driver refused"},
    };
    for (const auto& c : cases) {
        UseNics({CopperNic("pnic0")});
        if (c.failingOperation) InjectFault(c.failingOperation, c.message);
        EXPECT_EQ(OnlyError(c.command), c.message) << c.command;
        EXPECT_EQ(Root("network nic list")[0]["Admin Status"], "Up") << c.command;
    }
}

using NicSetTest = NicCommandTest;

TEST_F(NicSetTest, OwnChecksRefuseAndChangeNothing) {
    json noFeatures = Pseudo("usbnic0", "USB-NIC:T:D");
    UseNics({CopperNic("pnic0"), noFeatures});
    const struct {
        std::string command;
        std::string message;
    } cases[] = {
        {"-n pnic9 -S 1000", "The --speed and --duplex options must be specified together"},
        {"-n pnic0 -D full", "The --speed and --duplex options must be specified together"},
        {"-n pnic0 -S 1000 -D full -a", "The options --speed and --duplex cannot be specified with the --auto option."},
        {"-n pnic9 -a", "There is no pnic with name pnic9"},
        {"-n pnic0", "There is no change for nic pnic0"},
        {"-n pnic0 -P -1", "There is no change for nic pnic0"},
        {"-n pnic0 -P 1", "There is no change for nic pnic0"},  // the current PHY address
        {"-n pnic0 -p tp -t internal -l 7", "There is no change for nic pnic0"},
        {"-n pnic0 -V \"\"", "There is no change for nic pnic0"},
        {"-n pnic0 -P 0", "Invalid PHY address value."},
        {"-n pnic0 -P -2", "Invalid PHY address value."},
        {"-n pnic0 -w pud", "Invalid wol value."},
        {"-n usbnic0 -w g", "Not Support wol."},
        {"-n usbnic0 -l 3", "Not Support msglvl."},
    };
    for (const auto& c : cases) {
        ExpectRefused("network nic set " + c.command, c.message);
    }
}

TEST_F(NicSetTest, HostRefusesWhatTheNicCannotDo) {
    json fixed = CopperNic("pnic1");
    fixed["supportsAutoNegotiation"] = false;
    UseNics({CopperNic("pnic0"), fixed});
    ExpectRefused("network nic set -n pnic0 -S 40000 -D full",
                  "pnic0 does not support speed 40000 Mbps at full duplex");
    ExpectRefused("network nic set -n pnic0 -S 1000 -D half", "pnic0 does not support speed 1000 Mbps at half duplex");
    ExpectRefused("network nic set -n pnic1 -a", "pnic1 does not support auto-negotiation");
    ExpectRefused("network nic set -n pnic0 -p fibre", "pnic0 does not support port type FIBRE");
    ExpectRefused("network nic set -n pnic0 -w a", "pnic0 does not support wake-on mode 4");
    ExpectRefused("network nic set -n pnic0 -P 32", "PHY address 32 is outside the range 0 to 31");
    ExpectRefused("network nic set -n pnic0 -V not-a-mac", "Invalid virtual address: not-a-mac");
}

TEST_F(NicSetTest, LibraryFailuresUseTheStandardConversion) {
    UseNics({CopperNic("pnic0")});
    InjectFault("Pnic::SetPnicInfo", "device busy");
    EXPECT_EQ(OnlyError("network nic set -n pnic0 -P 4"), "device busy");
    // A link change alone does not touch the generic settings.
    EXPECT_EQ(Root("network nic set -n pnic0 -a"), true);
    InjectFault("Pnic::SetSpeedDuplex", "link reset failed");
    EXPECT_EQ(OnlyError("network nic set -n pnic0 -S 100 -D full"), "link reset failed");
}

TEST_F(NicSetTest, FrameworkRefusesValuesOutsideTheEnumerations) {
    UseNics({CopperNic("pnic0")});
    for (const char* command : {"network nic set -n pnic0 -S 999 -D full", "network nic set -n pnic0 -p coax",
                                "network nic set -n pnic0 -w x", "network nic set -n pnic0 -D quarter"}) {
        auto result = cli.Invoke(command);
        EXPECT_EQ(result.status, Parvik::AutoCli::EXIT_USAGE) << command;
    }
}

}  // namespace
}  // namespace NicTest
