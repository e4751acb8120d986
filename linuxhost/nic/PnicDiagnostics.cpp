// A NIC's register and EEPROM dumps, self test and negotiation restart on a
// Linux host, and what a Linux host has no equivalent of.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "FileIo.h"
#include "core/Refusal.h"
#include "kavrel/Lib.h"
#include "kavrel/Pnic.h"
#include "nic/NicHost.h"

namespace Kavrel {
namespace Network {

using Lib::KavrelException;

namespace {

// Writing a NIC's EEPROM can leave it unusable: only on an explicit setting.
void RequireEepromWrites(const std::string& name) {
    const char* allowed = std::getenv("TALIX_LINUX_ALLOW_EEPROM_WRITE");
    if (!allowed || std::strcmp(allowed, "1") != 0) {
        throw KavrelException("Changing the EEPROM of " + name +
                              " is refused on a Linux host unless TALIX_LINUX_ALLOW_EEPROM_WRITE=1");
    }
}

void WriteEeprom(const std::string& name, uint32_t magic, uint32_t offset, const std::string& bytes) {
    std::vector<char> buffer(sizeof(ethtool_eeprom) + bytes.size());
    auto* eeprom = reinterpret_cast<ethtool_eeprom*>(buffer.data());
    eeprom->cmd = ETHTOOL_SEEPROM;
    eeprom->magic = magic;
    eeprom->offset = offset;
    eeprom->len = static_cast<uint32_t>(bytes.size());
    std::memcpy(buffer.data() + sizeof(ethtool_eeprom), bytes.data(), bytes.size());
    LinuxHost::Ethtool(name, buffer.data(), "change the EEPROM");
}

// The named file's bytes, at most limit + 1 of them; a regular file only.
std::string ReadFileBytes(const std::string& fileName, size_t limit) {
    Talix::FileIo::ReadRules rules;
    rules.limit = limit;
    rules.followLinks = true;  // an image the administrator names, wherever it lies
    std::string content;
    const auto outcome = Talix::FileIo::ReadFullFile(fileName, rules, content);
    if (outcome.status == Talix::FileIo::ReadStatus::NotAllowed) {
        throw KavrelException("EEPROM file " + fileName + " is not a regular file");
    }
    if (outcome.status == Talix::FileIo::ReadStatus::TooLarge) return std::string(limit + 1, '\0');
    if (!outcome.Ok()) throw KavrelException("Unable to open EEPROM file " + fileName);
    return content;
}

}  // namespace

void Pnic::GetRegisterDump(std::vector<uint32_t>& words) const {
    const auto driver = LinuxHost::DriverInfo(name_);
    if (driver.regdump_len == 0) LinuxHost::EthtoolRefusal(name_, "read the registers", EOPNOTSUPP);
    std::vector<char> buffer(sizeof(ethtool_regs) + driver.regdump_len);
    auto* regs = reinterpret_cast<ethtool_regs*>(buffer.data());
    regs->cmd = ETHTOOL_GREGS;
    regs->len = driver.regdump_len;
    LinuxHost::Ethtool(name_, buffer.data(), "read the registers");
    const size_t length = std::min<size_t>(regs->len, driver.regdump_len);
    words.assign((length + 3) / 4, 0);
    std::memcpy(words.data(), buffer.data() + sizeof(ethtool_regs), length);
}

void Pnic::GetEepromDump(std::vector<uint8_t>& bytes, uint32_t length, uint32_t offset) const {
    const auto driver = LinuxHost::DriverInfo(name_);
    if (driver.eedump_len == 0) LinuxHost::EthtoolRefusal(name_, "read the EEPROM", EOPNOTSUPP);
    const uint64_t size = driver.eedump_len;
    if (offset > size) {
        throw KavrelException("Offset " + std::to_string(offset) + " is beyond the " + std::to_string(size) +
                              "-byte EEPROM of " + name_);
    }
    const uint64_t end = length == 0 ? size : uint64_t{offset} + length;
    if (end > size) {
        throw KavrelException("Cannot dump " + std::to_string(length) + " bytes from offset " + std::to_string(offset) +
                              ": the EEPROM of " + name_ + " has " + std::to_string(size) + " bytes");
    }
    std::vector<char> buffer(sizeof(ethtool_eeprom) + (end - offset));
    auto* eeprom = reinterpret_cast<ethtool_eeprom*>(buffer.data());
    eeprom->cmd = ETHTOOL_GEEPROM;
    eeprom->offset = offset;
    eeprom->len = static_cast<uint32_t>(end - offset);
    LinuxHost::Ethtool(name_, buffer.data(), "read the EEPROM");
    const auto* data = reinterpret_cast<const uint8_t*>(buffer.data() + sizeof(ethtool_eeprom));
    bytes.assign(data, data + std::min<uint32_t>(eeprom->len, static_cast<uint32_t>(end - offset)));
}

void Pnic::SetEepromValue(uint32_t magic, uint32_t offset, uint32_t value) {
    RequireEepromWrites(name_);
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xff);
    WriteEeprom(name_, magic, offset, bytes);
}

void Pnic::SetEepromFromFile(uint32_t magic, const std::string& fileName) {
    RequireEepromWrites(name_);
    const uint32_t size = LinuxHost::DriverInfo(name_).eedump_len;
    if (size == 0) LinuxHost::EthtoolRefusal(name_, "change the EEPROM", EOPNOTSUPP);
    const std::string content = ReadFileBytes(fileName, size);
    if (content.empty()) throw KavrelException("EEPROM file " + fileName + " is empty");
    if (content.size() > size) {
        throw KavrelException("EEPROM file " + fileName + " is larger than the " + std::to_string(size) +
                              "-byte EEPROM of " + name_);
    }
    WriteEeprom(name_, magic, 0, content);
}

void Pnic::RunSelfTest(PnicSelfTestResult& result, bool online) {
    const uint32_t count = LinuxHost::DriverInfo(name_).testinfo_len;
    if (count == 0) LinuxHost::EthtoolRefusal(name_, "run a self test", EOPNOTSUPP);
    std::vector<char> names(sizeof(ethtool_gstrings) + size_t{count} * ETH_GSTRING_LEN);
    auto* strings = reinterpret_cast<ethtool_gstrings*>(names.data());
    strings->cmd = ETHTOOL_GSTRINGS;
    strings->string_set = ETH_SS_TEST;
    strings->len = count;
    LinuxHost::Ethtool(name_, names.data(), "run a self test");
    std::vector<char> buffer(sizeof(ethtool_test) + size_t{count} * sizeof(uint64_t));
    auto* test = reinterpret_cast<ethtool_test*>(buffer.data());
    test->cmd = ETHTOOL_TEST;
    test->flags = online ? 0 : ETH_TEST_FL_OFFLINE;
    test->len = count;
    LinuxHost::Ethtool(name_, buffer.data(), "run a self test");
    result.failed = (test->flags & ETH_TEST_FL_FAILED) != 0;
    result.info.clear();
    const auto* values = reinterpret_cast<const uint64_t*>(buffer.data() + sizeof(ethtool_test));
    for (uint32_t i = 0; i < count; ++i) {
        const char* text = names.data() + sizeof(ethtool_gstrings) + size_t{i} * ETH_GSTRING_LEN;
        std::string name(text, strnlen(text, ETH_GSTRING_LEN));
        while (!name.empty() && name.back() == ' ') name.pop_back();
        result.info.push_back(name + ": " + (values[i] ? "failed" : "passed"));
    }
}

void Pnic::RestartNegotiation() {
    ethtool_value value{};
    value.cmd = ETHTOOL_NWAY_RST;
    LinuxHost::Ethtool(name_, &value, "restart auto-negotiation");
}

void Pnic::GetHwCaps(PnicHwCaps&) const { LinuxHost::NoEquivalent("Hardware capability lists"); }

void Pnic::AttachBranch(const std::string&, int16_t) { LinuxHost::NoEquivalent("Uplink attachments"); }

void Pnic::DetachBranch(const std::string&) { LinuxHost::NoEquivalent("Uplink attachments"); }

std::vector<PnicAttachment> Pnic::GetAttachments() const { LinuxHost::NoEquivalent("Uplink attachments"); }

}  // namespace Network
}  // namespace Kavrel
