// Register and EEPROM dumps, EEPROM changes, self test, negotiation restart,
// hardware capabilities, attachments and DCB through the framework on an in-memory host.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

#include "nic/NicTestSupport.h"

namespace NicTest {
namespace {

json Row(const std::string& offset, const std::string& value) { return {{"Offset", offset}, {"Value", value}}; }

// Bytes 0, 1, 2, ... of the given count.
json CountingBytes(int count) {
    json bytes = json::array();
    for (int i = 0; i < count; ++i) bytes.push_back(i);
    return bytes;
}

using NicRegisterDumpTest = NicCommandTest;

TEST_F(NicRegisterDumpTest, RowsOfSixteenWordsCountedInWords) {
    json words = json::array();
    for (int i = 0; i < 16; ++i) words.push_back(i == 0 ? 0x1a : 0x5);
    words.push_back(0x12345678);
    UseNics({{{"name", "pnic0"}, {"registers", words}}, {{"name", "pnic1"}}});
    auto rows = Root("network nic register dump -n pnic0");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], Row("0000", "1a 05 05 05 05 05 05 05 05 05 05 05 05 05 05 05 "));
    EXPECT_EQ(rows[1], Row("0010", "12345678 "));
    EXPECT_EQ(Root("network nic register dump -n pnic1"), json::array());
    EXPECT_EQ(OnlyError("network nic register dump -n pnic7"), "Pnic with name pnic7 not found");
    InjectFault("Pnic::GetRegisterDump", "register window unmapped");
    EXPECT_EQ(OnlyError("network nic register dump -n pnic0"), "register window unmapped");
}

using NicEepromTest = NicCommandTest;

TEST_F(NicEepromTest, DumpRowsAlignToSixteenBytes) {
    UseNics(
        {{{"name", "pnic0"}, {"eeprom", CountingBytes(0x30)}}, {{"name", "pnic1"}, {"eeprom", CountingBytes(0x21)}}});
    const struct {
        std::string options;
        json rows;
    } cases[] = {
        {"-o 0 -l 20", {Row("0000", "00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f "), Row("0010", "10 11 12 13 ")}},
        {"-o 18 -l 5", {Row("0010", "      12 13 14 15 16 ")}},
        {"-o 30 -l 3", {Row("0010", std::string(42, ' ') + "1e 1f "), Row("0020", "20 ")}},
        {"-o 16 -l 16", {Row("0010", "10 11 12 13 14 15 16 17 18 19 1a 1b 1c 1d 1e 1f ")}},
        {"-o 48", {Row("0030", "")}},                                     // the end of the EEPROM: no bytes, one row
        {"-o 44", {Row("0020", std::string(36, ' ') + "2c 2d 2e 2f ")}},  // no length: up to the end
    };
    for (const auto& c : cases) EXPECT_EQ(Root("network nic eeprom dump -n pnic0 " + c.options), c.rows) << c.options;
    EXPECT_EQ(Root("network nic eeprom dump -n pnic1 -o 33"), json::array({Row("0020", "   ")}));
}

TEST_F(NicEepromTest, DumpRefusals) {
    UseNics({{{"name", "pnic0"}, {"eeprom", CountingBytes(16)}}, {{"name", "pnic1"}}});
    EXPECT_EQ(OnlyError("network nic eeprom dump -n pnic0 -o 17"), "Offset 0x11 is beyond the 16-byte EEPROM of pnic0");
    EXPECT_EQ(OnlyError("network nic eeprom dump -n pnic0 -o 8 -l 9"),
              "Cannot dump 9 bytes from offset 0x8: the EEPROM of pnic0 has 16 bytes");
    EXPECT_EQ(OnlyError("network nic eeprom dump -n pnic1"), "pnic1 has no EEPROM");
    EXPECT_EQ(OnlyError("network nic eeprom dump -n pnic2"), "Pnic with name pnic2 not found");
}

TEST_F(NicEepromTest, OptionCombinations) {
    UseNics({{{"name", "pnic0"}, {"eeprom", CountingBytes(16)}, {"eepromMagic", 4660}}});
    InjectFault("Pnic::SetEepromFromFile", "file write must not be called");
    InjectFault("Pnic::SetEepromValue", "value write must not be called");
    const struct {
        std::string options;
        std::string error;
    } cases[] = {
        {"-m 4660", "Need to specify atleast one of --offset, --value or --file"},
        {"-m 4660 -o 4", "Need to specify atleast one of --offset, --value or --file"},
        {"-m 4660 -v 7", "Need to specify atleast one of --offset, --value or --file"},
        {"-m 4660 -f new.bin -v 7", "Parameter --file can't be specified together with --offset and --value"},
        {"-m 4660 -f new.bin -o 0", "Parameter --file can't be specified together with --offset and --value"},
        {"-m 4660 -o 4 -v 7", "value write must not be called"},
        {"-m 4660 -f new.bin", "file write must not be called"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OnlyError("network nic eeprom change -n pnic0 " + c.options), c.error) << c.options;
    EXPECT_EQ(OnlyError("network nic eeprom change -n pnicX -m 1"), "Pnic with name pnicX not found");
}

TEST_F(NicEepromTest, ValueIsWrittenAsLittleEndianDoubleWord) {
    UseNics({{{"name", "pnic0"}, {"eeprom", CountingBytes(8)}, {"eepromMagic", 4660}}});
    EXPECT_EQ(OnlyError("network nic eeprom change -n pnic0 -m 4661 -o 0 -v 1"),
              "Invalid EEPROM magic key 0x1235 for pnic0");
    EXPECT_EQ(OnlyError("network nic eeprom change -n pnic0 -m 4660 -o 5 -v 1"),
              "Offset 0x5 leaves no room for a double word in the 8-byte EEPROM of pnic0");
    EXPECT_EQ(StoredNic("pnic0")["eeprom"], CountingBytes(8));
    EXPECT_EQ(Root("network nic eeprom change -n pnic0 -m 4660 -o 4 -v 305419896"), true);
    EXPECT_EQ(Root("network nic eeprom dump -n pnic0"), json::array({Row("0000", "00 01 02 03 78 56 34 12 ")}));
}

TEST_F(NicEepromTest, FileIsReadFromTheCurrentDirectory) {
    UseNics({{{"name", "pnic0"}, {"eeprom", CountingBytes(4)}, {"eepromMagic", 7}}});
    TempHostRoot directory;  // the files are named relative to it
    directory.WriteFile("fits.bin", std::string("\xaa\xbb", 2));
    directory.WriteFile("large.bin", std::string(5, 'x'));
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof(previous)), nullptr);
    ASSERT_EQ(chdir(directory.Path().c_str()), 0);

    EXPECT_EQ(OnlyError("network nic eeprom change -n pnic0 -m 7 -f missing.bin"),
              "Unable to open EEPROM file missing.bin");
    EXPECT_EQ(OnlyError("network nic eeprom change -n pnic0 -m 7 -f large.bin"),
              "EEPROM file large.bin has 5 bytes, more than the 4-byte EEPROM of pnic0");
    EXPECT_EQ(OnlyError("network nic eeprom change -n pnic0 -m 8 -f fits.bin"),
              "Invalid EEPROM magic key 0x8 for pnic0");
    EXPECT_EQ(StoredNic("pnic0")["eeprom"], CountingBytes(4));
    EXPECT_EQ(Root("network nic eeprom change -n pnic0 -m 7 -f fits.bin"), true);
    EXPECT_EQ(StoredNic("pnic0")["eeprom"], json::parse("[170, 187, 2, 3]"));
    EXPECT_EQ(chdir(previous), 0);
}

// A file named by the user is read only when it is a regular file, never
// blocks (a FIFO with no writer), and only up to the EEPROM's size plus one
// byte (a device without end, a huge sparse file).
TEST_F(NicEepromTest, OnlyRegularFilesAreReadAndOnlyAsMuchAsTheEepromHolds) {
    UseNics({{{"name", "pnic0"}, {"eeprom", CountingBytes(4)}, {"eepromMagic", 7}}});
    TempHostRoot directory;
    const std::string base = directory.Path();
    ASSERT_EQ(mkfifo((base + "/fifo").c_str(), 0600), 0);
    ASSERT_EQ(symlink("/dev/zero", (base + "/zero-link").c_str()), 0);
    ASSERT_EQ(mkdir((base + "/folder").c_str(), 0755), 0);
    { std::ofstream(base + "/huge") << ""; }
    ASSERT_EQ(truncate((base + "/huge").c_str(), off_t{1} << 40), 0);  // sparse: 1 TiB

    for (const std::string name : {"/fifo", "/zero-link", "/dev/zero", "/folder"}) {
        const std::string file = name == "/dev/zero" ? name : base + name;
        EXPECT_EQ(OnlyError("network nic eeprom change -n pnic0 -m 7 -f " + file),
                  "EEPROM file " + file + " is not a regular file");
    }
    // A regular file that cannot be read: this process's memory, read from address 0.
    EXPECT_EQ(OnlyError("network nic eeprom change -n pnic0 -m 7 -f /proc/self/mem"),
              "Unable to read EEPROM file /proc/self/mem: Input/output error");
    EXPECT_EQ(OnlyError("network nic eeprom change -n pnic0 -m 7 -f " + base + "/huge"),
              "EEPROM file " + base + "/huge has 1099511627776 bytes, more than the 4-byte EEPROM of pnic0");
    EXPECT_EQ(StoredNic("pnic0")["eeprom"], CountingBytes(4));
}

using NicSelfTestTest = NicCommandTest;

TEST_F(NicSelfTestTest, ResultRowThenOneInfoRowPerCheck) {
    UseNics({{{"name", "pnic0"},
              {"selfTests",
               {{{"name", "Register test"}},
                {{"name", "Link test"}, {"onlineSafe", true}, {"passes", false}},
                {{"name", "EEPROM checksum"}, {"onlineSafe", true}}}}},
             {{"name", "pnic1"}},
             {{"name", "pnic2"}, {"supportsSelfTest", false}}});
    auto row = [](const std::string& item, const std::string& value) { return json{{"Item", item}, {"Value", value}}; };
    EXPECT_EQ(Root("network nic selftest run -n pnic0"),
              json::array({row("Result", "Failed"), row("Info", "Register test: passed"),
                           row("Info", "Link test: failed"), row("Info", "EEPROM checksum: passed")}));
    EXPECT_EQ(Root("network nic selftest run -n pnic0 -o 1"),
              json::array(
                  {row("Result", "Failed"), row("Info", "Link test: failed"), row("Info", "EEPROM checksum: passed")}));
    EXPECT_EQ(Root("network nic selftest run -n pnic0 -o 0").size(), 4u);  // 0 is the offline test
    EXPECT_EQ(Root("network nic selftest run -n pnic1"), json::array({row("Result", "Passed")}));
    EXPECT_EQ(OnlyError("network nic selftest run -n pnic2"), "pnic2 does not support a self test");
    EXPECT_EQ(OnlyError("network nic selftest run -n pnic3"), "Pnic with name pnic3 not found");
    EXPECT_EQ(cli.Invoke("network nic selftest run -n pnic1 -o 2").status, Parvik::AutoCli::EXIT_USAGE);
}

TEST_F(NicSelfTestTest, NegotiationRestartNeedsAutoNegotiationOnAnUpNic) {
    UseNics({{{"name", "pnic0"}},
             {{"name", "pnic1"}, {"autoNegotiation", false}},
             {{"name", "pnic2"}, {"adminUp", false}}});
    EXPECT_EQ(Root("network nic negotiate restart -n pnic0"), true);
    EXPECT_EQ(StoredNic("pnic0")["negotiationRestarts"], 1);
    EXPECT_EQ(OnlyError("network nic negotiate restart -n pnic1"), "Auto-negotiation is not on for pnic1");
    EXPECT_EQ(OnlyError("network nic negotiate restart -n pnic2"), "pnic2 is down");
    EXPECT_EQ(OnlyError("network nic negotiate restart -n pnic3"), "Pnic with name pnic3 not found");
    InjectFault("Pnic::RestartNegotiation", "PHY reset timed out");
    EXPECT_EQ(OnlyError("network nic negotiate restart -n pnic0"), "PHY reset timed out");
}

using NicHwCapTest = NicCommandTest;

TEST_F(NicHwCapTest, NamesOfSetBitsEachFollowedByThreeBlanks) {
    UseNics({{{"name", "pnic0"}, {"hwCapsSupported", 0x5}, {"hwCapsActivated", 0x4}},
             {{"name", "pnic1"}, {"hwCapsSupported", 0x80000000}, {"hwCapsActivated", 0x80000000}},
             {{"name", "pnic2"}, {"hwCapsSupported", 0x40000000}}});
    EXPECT_EQ(Root("network nic hwCap supported list"), json::parse(R"([
                {"NIC":"pnic0","Device Hardware Cap Supported":"IPv4 checksum offload   TCP segmentation offload   "},
                {"NIC":"pnic1","Device Hardware Cap Supported":""},
                {"NIC":"pnic2","Device Hardware Cap Supported":"Encapsulated checksum offload   "}])"));
    EXPECT_EQ(Root("network nic hwCap activated list -n pnic1 -n pnic0"),
              json::parse(R"([{"NIC":"pnic1","Device Hardware Cap Activated":""},
                              {"NIC":"pnic0","Device Hardware Cap Activated":"TCP segmentation offload   "}])"));
}

TEST_F(NicHwCapTest, FirstUnknownNameStopsTheList) {
    UseNics({{{"name", "pnic0"}, {"hwCapsSupported", 1}}});
    EXPECT_EQ(OnlyError("network nic hwCap supported list -n pnic0 -n pnicZ -n pnicY"),
              "Can't find PNIC with name pnicZ");
    InjectFault("Pnic::GetHwCaps", "capability query failed");
    EXPECT_EQ(OnlyError("network nic hwCap activated list"), "capability query failed");
}

using NicAttachmentTest = NicCommandTest;

TEST_F(NicAttachmentTest, AttachListDetach) {
    UseNics({{{"name", "pnic0"}},
             {{"name", "pnic1"}, {"macAddress", "02:00:00:00:00:01"}},
             {{"name", "pnic2"}, {"macAddress", "02:00:00:00:00:02"}}});
    EXPECT_EQ(Root("network nic attachment list"), json::array());
    EXPECT_EQ(Root("network nic attachment add -t pnic0 -b pnic1 -v 10"), true);
    EXPECT_EQ(Root("network nic attachment add -t pnic0 -b pnic2 -v 4094"), true);
    const auto both = json::parse(R"([
        {"Trunk":"pnic0","Branch":"pnic1","Branch MAC":"02:00:00:00:00:01","VLAN ID":10},
        {"Trunk":"pnic0","Branch":"pnic2","Branch MAC":"02:00:00:00:00:02","VLAN ID":4094}])");
    EXPECT_EQ(Root("network nic attachment list"), both);
    EXPECT_EQ(Root("network nic attachment list -t pnic0"), both);
    EXPECT_EQ(Root("network nic attachment list -t pnic1"), json::array());
    EXPECT_EQ(Root("network nic attachment remove -t pnic0 -b pnic1"), true);
    EXPECT_EQ(Root("network nic attachment list").size(), 1u);
}

TEST_F(NicAttachmentTest, RefusalsAndTheirMessages) {
    UseNics({{{"name", "pnic0"}, {"attachments", {{{"branch", "pnic1"}, {"vlanId", 10}}}}},
             {{"name", "pnic1"}},
             {{"name", "pnic2"}},
             {{"name", "pnic3"}}});
    const struct {
        std::string command;
        std::string error;
    } cases[] = {
        {"add -t nope -b nope -v 5", "Trunk uplink and branch uplink need to be different."},
        {"add -t nope -b pnic1 -v 5", "Invalid trunk PNIC name nope"},
        {"add -t pnic2 -b nope -v 5", "Invalid branch PNIC name nope"},
        {"add -t pnic2 -b pnic1 -v 5", "Failed to attach uplink pnic1 to pnic2: pnic1 is already attached to pnic0"},
        {"add -t pnic0 -b pnic2 -v 10",
         "Failed to attach uplink pnic2 to pnic0: VLAN ID 10 is already used by pnic1 on pnic0"},
        {"add -t pnic1 -b pnic2 -v 5",
         "Failed to attach uplink pnic2 to pnic1: pnic1 is a branch of pnic0 and cannot be a trunk"},
        {"add -t pnic2 -b pnic0 -v 5",
         "Failed to attach uplink pnic0 to pnic2: pnic0 is a trunk and cannot be attached as a branch"},
        {"remove -t nope -b pnic1", "Invalid PNIC name nope"},
        {"remove -t pnic2 -b pnic1", "Failed to detach uplink pnic1 from pnic2: pnic1 is not attached to pnic2"},
        {"list -t nope", "Invalid PNIC name nope"},
    };
    for (const auto& c : cases) EXPECT_EQ(OnlyError("network nic attachment " + c.command), c.error) << c.command;
    EXPECT_EQ(StoredNic("pnic0")["attachments"].size(), 1u);
    EXPECT_TRUE(StoredNic("pnic2")["attachments"].empty());
    // The framework keeps VLAN IDs strictly inside 0 to 4095.
    for (const char* vlan : {"0", "4095"}) {
        auto result = cli.Invoke(std::string("network nic attachment add -t pnic2 -b pnic3 -v ") + vlan);
        EXPECT_EQ(result.status, Parvik::AutoCli::EXIT_USAGE) << vlan;
        EXPECT_TRUE(StoredNic("pnic2")["attachments"].empty());
    }
}

TEST_F(NicAttachmentTest, LibraryFailuresArePrefixed) {
    UseNics({{{"name", "pnic0"}, {"attachments", {{{"branch", "pnic1"}, {"vlanId", 10}}}}}, {{"name", "pnic1"}}});
    InjectFault("Pnic::GetMacAddress", "branch went away");
    EXPECT_EQ(OnlyError("network nic attachment list"), "Unable to list uplink's attachment info: branch went away");
    InjectFault("Pnic::AttachBranch", "uplink busy");
    EXPECT_EQ(OnlyError("network nic attachment add -t pnic1 -b pnic0 -v 3"),
              "Failed to attach uplink pnic0 to pnic1: uplink busy");
    InjectFault("Pnic::DetachBranch", "uplink busy");
    EXPECT_EQ(OnlyError("network nic attachment remove -t pnic0 -b pnic1"),
              "Failed to detach uplink pnic1 from pnic0: uplink busy");
}

using NicDcbTest = NicCommandTest;

TEST_F(NicDcbTest, MasksArraysAndApps) {
    UseNics({json::parse(R"({"name": "pnic0", "dcb": {"mode": 3, "enabled": true,
        "capabilities": {"priorityGroup": true, "upToTcMap": true, "pgTrafficClasses": 8, "pfcTrafficClasses": 4},
        "pfcConfig": 128,
        "ets": {"willing": 1, "supportedCapacity": 8, "creditBasedShaper": "Yes", "txBandwidth": [10, 20, 30, 40],
                "rxBandwidth": [1, 2], "tsaTable": [3, 4], "priorityAssignment": [5, 6],
                "recommendedBandwidth": [200, 55, 0, 0, 0, 0, 0, 1], "recommendedTsa": [7, 8],
                "recommendedPriority": [9, 10]},
        "pfc": {"trafficClasses": 4, "pfcMask": 9, "macsecBypass": 1, "delay": 3, "sentFrames": [11],
                "receivedFrames": [255, 0, 0, 0, 0, 0, 0, 9]},
        "apps": [{"appType": "Ethertype", "protocolId": "0x8906", "userPriority": "3"}]}})"),
             {{"name", "pnic1"}}});
    EXPECT_EQ(Root("network nic dcb status get -n pnic0"), json::parse(R"({"Nic Name": "pnic0",
        "Mode": "3 - IEEE Mode", "Enabled": true, "PFC Enabled": false, "PFC Configuration": "0 0 0 0 0 0 0 1",
        "Capabilities": {"Priority Group": true, "Priority Flow Control": false, "UP to TC Map": true,
                         "PG Traffic Classes": 8, "PFC Traffic Classes": 4},
        "IEEE PFC Configuration": {"Number Of Traffic Classes": 4, "PFC Configuration": "1 0 0 1 0 0 0 0",
            "Macsec Bypass Capability Is Enabled": 1, "Round Trip Propagation Delay Of Link": 3,
            "Sent PFC Frames": "11 0 0 0 0 0 0 0", "Received PFC Frames": "255 0 0 0 0 0 0 9"},
        "IEEE ETS Configuration": {"Willing Bit In ETS Config TLV": 1, "Supported Capacity": 8,
            "Credit Based Shaper ETS Algorithm Supported": "Yes", "TX Bandwidth Per TC": "10 20 30 40 0 0 0 0",
            "RX Bandwidth Per TC": "1 2 0 0 0 0 0 0", "TSA Assignment Table Per TC": "3 4 0 0 0 0 0 0",
            "Priority Assignment Per TC": "5 6 0 0 0 0 0 0",
            "Recommended TC Bandwidth Per TC": "200 55 0 0 0 0 0 1",
            "Recommended TC Bandwith Per TC": "200 55 0 0 0 0 0 1",
            "Recommended TSA Assignment Per TC": "7 8 0 0 0 0 0 0",
            "Recommended Priority Assignment Per TC": "9 10 0 0 0 0 0 0"},
        "DCB Apps": [{"App Type": "Ethertype", "Protocol ID": "0x8906", "User Priority": "3"}]})"));

    auto plain = Root("network nic dcb status get -n pnic1");
    EXPECT_EQ(plain["Mode"], "0 - Unknown");
    EXPECT_EQ(plain["DCB Apps"], json::array());
}

TEST_F(NicDcbTest, ModeTextAndFailures) {
    UseNics({{{"name", "pnic0"}, {"dcb", {{"mode", 1}}}},
             {{"name", "pnic1"}, {"dcb", {{"mode", 2}}}},
             {{"name", "pnic2"}, {"dcb", {{"mode", 7}}}}});
    EXPECT_EQ(Root("network nic dcb status get -n pnic0")["Mode"], "1 - CEN Mode");
    EXPECT_EQ(Root("network nic dcb status get -n pnic1")["Mode"], "2 - CEE Mode");
    EXPECT_EQ(Root("network nic dcb status get -n pnic2")["Mode"], "7 - Unknown");
    EXPECT_EQ(OnlyError("network nic dcb status get -n pnic9"), "No such pnic: pnic9");
    InjectFault("DcbInfoImpl::GetAppInfo", "DCB agent not running");
    EXPECT_EQ(OnlyError("network nic dcb status get -n pnic0"), "DCB agent not running");
}

}  // namespace
}  // namespace NicTest
