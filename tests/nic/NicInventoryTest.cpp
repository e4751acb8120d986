// NIC inventory and link control through the framework on an in-memory host:
// nic list, get, set, up and down.
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

// The listing row and the get record of CopperNic("pnic0") as stored, with changes.
json CopperRow(const json& changes = json::object()) {
    json row = {{"Name", "pnic0"},
                {"PCI Device", "0000:02:00.0"},
                {"Driver", "hsg1"},
                {"Link", "Up"},
                {"Admin Status", "Up"},
                {"Link Status", "Up"},
                {"Speed", 1000},
                {"Duplex", "Full"},
                {"MAC Address", "02:00:00:00:00:01"},
                {"MTU", 1500},
                {"Description", "Halden HS-350"},
                {"DPU Id", "N/A"}};
    row.update(changes);
    return row;
}

json CopperInfo(const json& changes = json::object()) {
    json info = json::parse(R"j({"Advertised Auto Negotiation": true,
        "Advertised Link Modes": ["10BaseT/Half", "10BaseT/Full", "100BaseT/Half", "100BaseT/Full", "1000BaseT/Full"],
        "Auto Negotiation": true, "Backing DPU Id": "N/A", "Cable Type": "Twisted Pair", "Current Message Level": 7,
        "Driver Info": {"Bus Info": "0000:02:00.0", "Driver": "hsg1", "Firmware Version": "", "Version": ""},
        "Link Detected": true, "Link Status": "Up", "Name": "pnic0", "PHY Address": 1, "Pause Autonegotiate": true,
        "Pause RX": true, "Pause TX": true, "Supported Ports": ["TP", "MII"], "Supports Auto Negotiation": true,
        "Supports Pause": true, "Supports Wakeon": true, "Transceiver": "internal", "Virtual Address": "",
        "Wakeon": ["MagicPacket(tm)"]})j");
    info.update(changes);
    return info;
}

using NicListTest = NicCommandTest;

TEST_F(NicListTest, ShowsPciAndLinkStateOfEachLoadedNic) {
    json down = CopperNic("pnic1");
    down["adminUp"] = false;
    json half = CopperNic("pnic2");
    half["duplex"] = 2;
    half["speed"] = 100;
    half["mtu"] = 9000;
    json unloaded = CopperNic("pnic3");
    unloaded["driverLoaded"] = false;
    UseNics({CopperNic("pnic0"), down, half, unloaded});

    // The NIC whose driver is not loaded is left out; a NIC brought down reports its link down and no speed.
    EXPECT_EQ(Root("network nic list"),
              json::array({CopperRow(),
                           CopperRow({{"Name", "pnic1"},
                                      {"Link", "Down"},
                                      {"Admin Status", "Down"},
                                      {"Link Status", "Down"},
                                      {"Speed", 0}}),
                           CopperRow({{"Name", "pnic2"}, {"Duplex", "Half"}, {"Speed", 100}, {"MTU", 9000}})}));
}

TEST_F(NicListTest, PseudoNicDescriptionGivesVendorAndDevice) {
    const std::string longVendor(116, 'v');
    const struct {
        std::string description;
        std::string expected;
    } cases[] = {
        {"USB-NIC:Tembrook:TB-100", "Tembrook TB-100"},
        {"ACPI-NIC:Acme:Onboard", "Acme Onboard"},
        {"PhyDev:Acme:Phy 7", "Acme Phy 7"},
        {"USB-NIC-2:Tembrook:TB-200", "Tembrook TB-200"},           // the kind only has to begin the text
        {"::USB-NIC::Tembrook:::TB-100:extra", "Tembrook TB-100"},  // empty fields are skipped
        {"SerialNic:Acme:Thing", "Unknown Unknown"},
        {"", "Unknown Unknown"},
        {":::", "Unknown Unknown"},
        {"USB-NIC", "Unknown Unknown"},
        {"USB-NIC:Tembrook", "Tembrook Unknown"},
        // Only the first 127 characters are read: the device name is cut short.
        {"USB-NIC:" + longVendor + ":ABCDEFGH", longVendor + " AB"},
    };
    for (const auto& c : cases) {
        UseNics({Pseudo("usbnic0", c.description)});
        auto list = Root("network nic list");
        ASSERT_EQ(list.size(), 1u);
        EXPECT_EQ(list[0]["PCI Device"], "Pseudo") << c.description;
        EXPECT_EQ(list[0]["Description"], c.expected) << c.description;
    }
}

TEST_F(NicListTest, HostFailureDropsTheWholeList) {
    UseNics({CopperNic("pnic0"), CopperNic("pnic1")});
    InjectFault("Pnic::GetMtu", "driver not responding");
    EXPECT_EQ(OnlyError("network nic list"), "Unable to list NICs.  Error was driver not responding");
}

TEST_F(NicListTest, EmptyHostGivesEmptyList) {
    UseNics({});
    EXPECT_EQ(Root("network nic list"), json::array());
}

using NicGetTest = NicCommandTest;

TEST_F(NicGetTest, ShowsGenericSettingsPauseAndDriver) {
    json nic = CopperNic("pnic0");
    nic["linkModes"] = {{{"speed", 0}, {"duplex", 0}, {"media", 0}},
                        {{"speed", 1000}, {"duplex", 1}, {"media", 2}},
                        {{"speed", 100}, {"duplex", 2}, {"media", 45}},
                        {{"speed", 2500}, {"duplex", 0}, {"media", 38}},
                        {{"speed", 10}, {"duplex", 9}, {"media", -1}}};
    nic["port"] = 3;
    nic["transceiver"] = 1;
    nic["virtualAddress"] = "02:11:22:33:44:55";
    nic["driverVersion"] = "1.9.3";
    nic["firmwareVersion"] = "0x80000d2a";
    nic["pause"] = {{"supported", true}, {"autoNegotiation", true}, {"rx", true}, {"tx", false}};
    UseNics({nic});

    EXPECT_EQ(Root("network nic get -n pnic0"),
              CopperInfo(json::parse(R"j({"Cable Type": "MII", "Pause TX": false, "Transceiver": "external",
        "Advertised Link Modes": ["Auto", "1000BaseT/Full", "100Unknown/Half", "2500BaseCR2/Auto", "10Unknown/"],
        "Driver Info": {"Bus Info": "0000:02:00.0", "Driver": "hsg1", "Firmware Version": "0x80000d2a",
                        "Version": "1.9.3"},
        "Virtual Address": "02:11:22:33:44:55"})j")));
}

// Every medium of an advertised link mode by its index, 0 to 38, in order.
TEST_F(NicGetTest, AdvertisedModesNameEveryMedium) {
    const std::vector<std::string> media = {
        "None",     "Unknown", "BaseT",        "BaseX",      "BaseKX",         "BaseSX",  "BaseLX",  "BaseKR",
        "BaseLR",   "BaseSR",  "BaseER",       "BaseTwinax", "BaseTwinaxLong", "BaseLRM", "BaseCR1", "BaseKR2",
        "BaseMLD2", "BaseKR4", "BaseKX4",      "BaseCR4",    "BaseSR4",        "BaseLR4", "BaseR4",  "BaseSGMII",
        "BaseSFI",  "XLPPI",   "BaseCX-SGMII", "BaseDR4",    "BaseFR4",        "AUI-8",   "AUI-4",   "BaseSR16",
        "BaseFR8",  "BaseLR8", "AUI-16",       "BaseER4",    "BaseER8",        "BaseCX4", "BaseCR2"};
    json nic = CopperNic("pnic0");
    nic["linkModes"] = json::array();
    json expected = json::array();
    for (size_t index = 0; index < media.size(); ++index) {
        nic["linkModes"].push_back({{"speed", 1000}, {"duplex", 1}, {"media", index}});
        expected.push_back("1000" + media[index] + "/Full");
    }
    UseNics({nic});

    EXPECT_EQ(Root("network nic get -n pnic0")["Advertised Link Modes"], expected);
}

TEST_F(NicGetTest, UnsupportedFeaturesShowTheirPlaceholders) {
    json nic = Pseudo("usbnic0", "USB-NIC:T:D");
    nic["pause"] = {{"supported", false}};
    nic["linkUp"] = false;
    UseNics({nic});

    auto info = Root("network nic get -n usbnic0");
    EXPECT_EQ(info, json::parse(R"({"Advertised Auto Negotiation": true,
        "Advertised Link Modes": ["10BaseT/Half", "10BaseT/Full", "100BaseT/Half", "100BaseT/Full", "1000BaseT/Full"],
        "Auto Negotiation": true, "Backing DPU Id": "N/A",
        "Cable Type": "Twisted Pair", "Current Message Level": -1,
        "Driver Info": {"Bus Info": "N/A", "Driver": "uethr", "Firmware Version": "", "Version": ""},
        "Link Detected": false, "Link Status": "Down", "Name": "usbnic0",
        "PHY Address": 0, "Pause Autonegotiate": null, "Pause RX": null,
        "Pause TX": null, "Supported Ports": ["TP"],
        "Supports Auto Negotiation": true, "Supports Pause": false,
        "Supports Wakeon": false, "Transceiver": "internal",
        "Virtual Address": "", "Wakeon": ["None"]})"));
}

TEST_F(NicGetTest, ForcedLinkAdvertisesOnlyItsMode) {
    json nic = CopperNic("pnic0");
    nic["autoNegotiation"] = false;
    nic["speed"] = 100;
    nic["duplex"] = 2;
    UseNics({nic});
    EXPECT_EQ(Root("network nic get -n pnic0"), CopperInfo({{"Advertised Auto Negotiation", false},
                                                            {"Advertised Link Modes", {"100BaseT/Half"}},
                                                            {"Auto Negotiation", false}}));
}

TEST_F(NicGetTest, Failures) {
    UseNics({CopperNic("pnic0")});
    EXPECT_EQ(OnlyError("network nic get -n pnic9"), "There is no pnic with name pnic9");
    EXPECT_EQ(OnlyError("network nic get -n PNIC0"), "There is no pnic with name PNIC0");
    InjectFault("Pnic::GetDriverInfo", "firmware query timed out");
    EXPECT_EQ(OnlyError("network nic get -n pnic0"), "firmware query timed out");
}

class NicSetTest : public NicCommandTest {
protected:
    // The stored speed, duplex and auto-negotiation flag of pnic0.
    json Link() {
        const json nic = StoredNic("pnic0");
        return {nic["speed"], nic["duplex"], nic["autoNegotiation"]};
    }
};

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

TEST_F(NicSetTest, SettingsRoundTripThroughGet) {
    UseNics({CopperNic("pnic0")});
    EXPECT_EQ(Root("network nic set -n pnic0 -p mii -P 5 -V 02:aa:bb:cc:dd:ee -t external -w gg -l 3"), true);

    EXPECT_EQ(Root("network nic get -n pnic0"), CopperInfo({{"Cable Type", "MII"},
                                                            {"Current Message Level", 3},
                                                            {"PHY Address", 5},
                                                            {"Transceiver", "external"},
                                                            {"Virtual Address", "02:aa:bb:cc:dd:ee"},
                                                            {"Wakeon", {"MagicPacket(tm)", "MagicPacket(tm)"}}}));
    EXPECT_EQ(StoredNic("pnic0")["wakeOn"], (json{5, 5}));

    // Wake-on modes are replaced as typed, in order.
    EXPECT_EQ(Root("network nic set -n pnic0 -w sbu"), true);
    EXPECT_EQ(Root("network nic get -n pnic0")["Wakeon"],
              (json{"Enable SecureOn(tm) Password for                            MagicPacket(tm)", "Broadcast Messages",
                    "Unicast Messagess"}));
}

TEST_F(NicSetTest, SpeedDuplexAndAutoNegotiation) {
    UseNics({CopperNic("pnic0")});
    EXPECT_EQ(Root("network nic set -n pnic0 -S 100 -D half"), true);
    EXPECT_EQ(Link(), json({100, 2, false}));
    EXPECT_EQ(Root("network nic list")[0]["Duplex"], "Half");
    EXPECT_EQ(Root("network nic set -n pnic0 -a"), true);
    EXPECT_EQ(Link(), json({1000, 1, true}));
}

TEST_F(NicSetTest, AutoNegotiationPicksTheFastestFullDuplexModeInAnyOrder) {
    // Half duplex first and a slower mode last: a choice that keeps the first
    // or the last mode of its speed, or prefers half duplex, shows here.
    json unordered = CopperNic("pnic0");
    unordered["linkModes"] = {{{"speed", 1000}, {"duplex", 2}, {"media", 2}},
                              {{"speed", 1000}, {"duplex", 1}, {"media", 2}},
                              {{"speed", 100}, {"duplex", 1}, {"media", 2}}};
    unordered["speed"] = 100;
    unordered["autoNegotiation"] = false;
    UseNics({unordered});
    EXPECT_EQ(Root("network nic set -n pnic0 -a"), true);
    EXPECT_EQ(Link(), json({1000, 1, true}));
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

using NicUpDownTest = NicCommandTest;

TEST_F(NicUpDownTest, AdminStateRoundTrip) {
    UseNics({CopperNic("pnic0")});
    EXPECT_EQ(Root("network nic down -n pnic0"), true);
    EXPECT_EQ(
        Root("network nic list"),
        json::array({CopperRow({{"Link", "Down"}, {"Admin Status", "Down"}, {"Link Status", "Down"}, {"Speed", 0}})}));
    EXPECT_EQ(Root("network nic get -n pnic0")["Link Detected"], false);

    EXPECT_EQ(Root("network nic up -n pnic0"), true);
    EXPECT_EQ(Root("network nic list"), json::array({CopperRow()}));
}

TEST_F(NicUpDownTest, Failures) {
    UseNics({CopperNic("pnic0")});
    EXPECT_EQ(OnlyError("network nic up -n pnic7"), "There is no pnic with name pnic7");
    EXPECT_EQ(OnlyError("network nic down -n pnic7"), "There is no pnic with name pnic7");
    InjectFault("Pnic::SetAdminStatus", "driver refused");
    EXPECT_EQ(OnlyError("network nic down -n pnic0"), "driver refused");
    EXPECT_EQ(Root("network nic list")[0]["Admin Status"], "Up");
}

}  // namespace
}  // namespace NicTest
