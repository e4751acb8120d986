// NIC diagnostics through the framework on an in-memory host: EEPROM changes
// that must not reach the host, files that are no regular files, and host
// failures (dumps, changes, self test, negotiation restart, capabilities,
// attachments and DCB are in the nic-diagnostics transcript).
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

// Bytes 0, 1, 2, ... of the given count.
json CountingBytes(int count) {
    json bytes = json::array();
    for (int i = 0; i < count; ++i) bytes.push_back(i);
    return bytes;
}

using NicEepromTest = NicCommandTest;

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

using NicDiagnosticsTest = NicCommandTest;

TEST_F(NicDiagnosticsTest, HostFailuresBecomeMessages) {
    const struct {
        const char* operation;
        const char* command;
        const char* message;
    } cases[] = {
        {"Pnic::GetRegisterDump", "register dump -n pnic0", "register window unmapped"},
        {"Pnic::RestartNegotiation", "negotiate restart -n pnic0", "PHY reset timed out"},
        {"Pnic::GetHwCaps", "hwCap activated list", "capability query failed"},
        {"Pnic::GetMacAddress", "attachment list", "Unable to list uplink's attachment info: branch went away"},
        {"Pnic::AttachBranch", "attachment add -t pnic1 -b pnic2 -v 3",
         "Failed to attach uplink pnic2 to pnic1: uplink busy"},
        {"Pnic::DetachBranch", "attachment remove -t pnic0 -b pnic1",
         "Failed to detach uplink pnic1 from pnic0: uplink busy"},
        {"DcbInfoImpl::GetAppInfo", "dcb status get -n pnic0", "DCB agent not running"},
    };
    for (const auto& c : cases) {
        UseNics({{{"name", "pnic0"},
                  {"registers", {1}},
                  {"dcb", {{"mode", 1}}},
                  {"attachments", {{{"branch", "pnic1"}, {"vlanId", 10}}}}},
                 {{"name", "pnic1"}},
                 {{"name", "pnic2"}}});
        // The failure's own text, or the host's text after the command's prefix.
        const std::string message = c.message;
        const auto colon = message.rfind(": ");
        InjectFault(c.operation, colon == std::string::npos ? message : message.substr(colon + 2));
        ExpectRefused(std::string("network nic ") + c.command, message);
    }
}

}  // namespace
}  // namespace NicTest
