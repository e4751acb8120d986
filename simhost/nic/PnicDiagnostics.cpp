// Simulated NIC NetQueue, diagnostics, hardware capabilities, uplink attachments and DCB state.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

#include "FileIo.h"
#include "core/Faults.h"
#include "core/HostStore.h"
#include "core/StoredIndex.h"
#include "kavrel/Lib.h"
#include "kavrel/Pnic.h"
#include "lmxctl/DcbInfoImpl.h"
#include "lmxctl/PnicImpl.h"
#include "model/PnicModel.h"
#include "nic/PnicLookup.h"

namespace {

using Kavrel::Lib::KavrelException;
using SimHost::ExistingPnic;
using SimHost::HostStore;
using SimHost::PnicInventory;
using SimHost::PnicModel;

// Changes the inventory; nothing is written when change throws.
template <typename Change>
void ModifyInventory(Change&& change) {
    HostStore::Instance().Update<PnicInventory>([&](PnicInventory& inventory) { change(inventory); });
}

template <typename Change>
void Modify(const std::string& name, Change&& change) {
    ModifyInventory([&](PnicInventory& inventory) { change(SimHost::PnicIn(inventory, name)); });
}

std::string Hex(uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof(text), "0x%llx", static_cast<unsigned long long>(value));
    return text;
}

// Load balancer setting names, by bit index.
const char* const kSettingNames[] = {"RxQPair",     "RxQNoFeature", "PreEmptibleQ", "RxQLatency",
                                     "RxDynamicLB", "DynamicQPool", "MacLearnLB",   "RSS",
                                     "LRO",         "GeneveOAM",    "RSSLRO"};
static_assert(sizeof(kSettingNames) / sizeof(kSettingNames[0]) == Kavrel::Network::PnicNetqueueInfo::SETTING_COUNT,
              "one name per load balancer setting");

void CheckQueueCount(const std::string& nic, const char* direction, uint32_t count, uint32_t maximum) {
    if (count < 1 || count > maximum) {
        throw KavrelException(std::string(direction) + " netqueue count " + std::to_string(count) +
                              " is outside the range 1 to " + std::to_string(maximum) + " on " + nic);
    }
}

const PnicModel& WithEeprom(const PnicModel& pnic) {
    if (pnic.eeprom.empty()) throw KavrelException(pnic.name + " has no EEPROM");
    return pnic;
}

void CheckMagic(const PnicModel& pnic, uint32_t magic) {
    if (magic != pnic.eepromMagic)
        throw KavrelException("Invalid EEPROM magic key " + Hex(magic) + " for " + pnic.name);
}

// Up to eight per-class values as bytes; missing entries are 0.
void CopyBytes(const std::vector<uint32_t>& values, uint8_t (&target)[8]) {
    for (size_t i = 0; i < 8; ++i) target[i] = i < values.size() ? static_cast<uint8_t>(values[i] & 0xff) : 0;
}

const char* const kHwCapNames[] = {"IPv4 checksum offload",
                                   "IPv6 checksum offload",
                                   "TCP segmentation offload",
                                   "IPv6 TCP segmentation offload",
                                   "Large receive offload",
                                   "VLAN tag insertion",
                                   "VLAN tag stripping",
                                   "Receive side scaling",
                                   "VXLAN offload",
                                   "Geneve offload",
                                   "Generic encapsulation offload",
                                   "Scatter-gather",
                                   "High DMA",
                                   "Jumbo frames",
                                   "Precision time stamping",
                                   "Wake on LAN",
                                   "SR-IOV",
                                   "NetQueue",
                                   "Dynamic queue pool",
                                   "Receive queue pairing",
                                   "Flow steering",
                                   "DCB",
                                   "Priority flow control",
                                   "RDMA",
                                   "MACsec offload",
                                   "IPsec offload",
                                   "Interrupt moderation",
                                   "Link state tracking",
                                   "Queue pair steering",
                                   "Uplink attachment",
                                   "Encapsulated checksum offload",
                                   "Packet pacing"};
constexpr size_t kHwCapCount = sizeof(kHwCapNames) / sizeof(kHwCapNames[0]);

}  // namespace

namespace Kavrel {
namespace Network {

using SimHost::CheckFault;

void Pnic::GetNetqueueInfo(PnicNetqueueInfo& info) const {
    CheckFault("Pnic::GetNetqueueInfo");
    const auto& q = ExistingPnic(name_).netqueue;
    info.txQueueCount = q.txQueues;
    info.rxQueueCount = q.rxQueues;
    info.balancerEnabled = q.balancerEnabled;
    for (uint32_t i = 0; i < PnicNetqueueInfo::SETTING_COUNT; ++i) {
        info.settingSupported[i] = (q.settingsSupported & PnicNetqueueInfo::SettingBit(i)) != 0;
        info.settingAllowed[i] = (q.settingsAllowed & PnicNetqueueInfo::SettingBit(i)) != 0;
    }
    const bool filters[] = {q.macOnly, q.vlanOnly, q.vlanMac, q.vxlan, q.geneve, q.genericEncap};
    std::copy(std::begin(filters), std::end(filters), info.filterClass);
    info.plugins.clear();
    info.enabledPlugins.clear();
    for (const auto& plugin : q.plugins) {
        PnicNetqueuePluginInfo entry{plugin.module, plugin.plugin, plugin.description};
        info.plugins.push_back(entry);
        if (plugin.enabled) info.enabledPlugins.push_back(entry);
    }
}

void Pnic::SetNetqueueInfo(const PnicNetqueueInfo& info) {
    CheckFault("Pnic::SetNetqueueInfo");
    Modify(name_, [&](PnicModel& pnic) {
        auto& q = pnic.netqueue;
        if (info.txCountChanged) {
            CheckQueueCount(name_, "TX", info.txQueueCount, q.maxTxQueues);
            q.txQueues = info.txQueueCount;
        }
        if (info.rxCountChanged) {
            CheckQueueCount(name_, "RX", info.rxQueueCount, q.maxRxQueues);
            q.rxQueues = info.rxQueueCount;
        }
        if (info.stateChanged) q.balancerEnabled = info.balancerEnabled;
        if (info.pluginChanged) {
            for (const auto& wanted : info.enabledPlugins) {
                auto found = std::find_if(q.plugins.begin(), q.plugins.end(), [&](const auto& plugin) {
                    return plugin.module == wanted.moduleName && plugin.plugin == wanted.pluginName;
                });
                if (found == q.plugins.end()) {
                    throw KavrelException("No netqueue balancer plugin " + wanted.pluginName + " in module " +
                                          wanted.moduleName + " on " + name_);
                }
                found->enabled = info.pluginEnable;
            }
        }
        if (info.settingMask >> PnicNetqueueInfo::SETTING_COUNT) {
            throw KavrelException("Invalid netqueue load balancer setting mask " + Hex(info.settingMask));
        }
        for (uint32_t i = 0; i < PnicNetqueueInfo::SETTING_COUNT; ++i) {
            const uint32_t bit = PnicNetqueueInfo::SettingBit(i);
            if (!(info.settingMask & bit)) continue;
            // Disallowing is always possible; allowing needs the hardware.
            if (info.settingAllowed[i] && !(q.settingsSupported & bit)) {
                throw KavrelException(name_ + " does not support the netqueue load balancer setting " +
                                      kSettingNames[i]);
            }
            q.settingsAllowed = info.settingAllowed[i] ? (q.settingsAllowed | bit) : (q.settingsAllowed & ~bit);
        }
    });
}

void Pnic::GetRegisterDump(std::vector<uint32_t>& words) const {
    CheckFault("Pnic::GetRegisterDump");
    words = ExistingPnic(name_).registers;
}

void Pnic::GetEepromDump(std::vector<uint8_t>& bytes, uint32_t length, uint32_t offset) const {
    CheckFault("Pnic::GetEepromDump");
    const auto& pnic = WithEeprom(ExistingPnic(name_));
    const uint64_t size = pnic.eeprom.size();
    if (offset > size) {
        throw KavrelException("Offset " + Hex(offset) + " is beyond the " + std::to_string(size) + "-byte EEPROM of " +
                              name_);
    }
    const uint64_t end = length == 0 ? size : uint64_t{offset} + length;
    if (end > size) {
        throw KavrelException("Cannot dump " + std::to_string(length) + " bytes from offset " + Hex(offset) +
                              ": the EEPROM of " + name_ + " has " + std::to_string(size) + " bytes");
    }
    bytes.clear();
    for (uint64_t i = offset; i < end; ++i) bytes.push_back(static_cast<uint8_t>(pnic.eeprom[i] & 0xff));
}

void Pnic::SetEepromValue(uint32_t magic, uint32_t offset, uint32_t value) {
    CheckFault("Pnic::SetEepromValue");
    Modify(name_, [&](PnicModel& pnic) {
        WithEeprom(pnic);
        CheckMagic(pnic, magic);
        if (uint64_t{offset} + 4 > pnic.eeprom.size()) {
            throw KavrelException("Offset " + Hex(offset) + " leaves no room for a double word in the " +
                                  std::to_string(pnic.eeprom.size()) + "-byte EEPROM of " + name_);
        }
        for (uint32_t i = 0; i < 4; ++i) pnic.eeprom[offset + i] = (value >> (8 * i)) & 0xff;
    });
}

// The content of a file named by the user for an EEPROM: a regular file only
// (a FIFO or device is refused without blocking) of at most limit bytes.
// Over the limit, tooLarge holds the file's size and content is not used.
std::string ReadEepromFile(const std::string& fileName, size_t limit, uint64_t& tooLarge) {
    using Talix::FileIo::ReadStatus;
    Talix::FileIo::ReadRules rules;
    rules.limit = limit;
    rules.followLinks = true;  // a name the user gives, not one inside the host root
    std::string content;
    const auto outcome = Talix::FileIo::ReadFullFile(fileName, rules, content);
    switch (outcome.status) {
    case ReadStatus::Read: break;
    case ReadStatus::TooLarge: tooLarge = outcome.size; break;
    case ReadStatus::NotAllowed: throw KavrelException("EEPROM file " + fileName + " is not a regular file");
    case ReadStatus::ReadFailed:
        throw KavrelException("Unable to read EEPROM file " + fileName + ": " + std::strerror(outcome.error));
    case ReadStatus::Missing:
    case ReadStatus::OpenFailed: throw KavrelException("Unable to open EEPROM file " + fileName);
    }
    return content;
}

void Pnic::SetEepromFromFile(uint32_t magic, const std::string& fileName) {
    CheckFault("Pnic::SetEepromFromFile");
    Modify(name_, [&](PnicModel& pnic) {
        WithEeprom(pnic);
        uint64_t tooLarge = 0;
        std::string content = ReadEepromFile(fileName, pnic.eeprom.size(), tooLarge);
        if (tooLarge == 0 && content.empty()) throw KavrelException("EEPROM file " + fileName + " is empty");
        if (tooLarge != 0) {
            throw KavrelException("EEPROM file " + fileName + " has " + std::to_string(tooLarge) +
                                  " bytes, more than the " + std::to_string(pnic.eeprom.size()) + "-byte EEPROM of " +
                                  name_);
        }
        CheckMagic(pnic, magic);
        for (size_t i = 0; i < content.size(); ++i) pnic.eeprom[i] = static_cast<uint8_t>(content[i]);
    });
}

void Pnic::RunSelfTest(PnicSelfTestResult& result, bool online) {
    CheckFault("Pnic::RunSelfTest");
    const auto& pnic = ExistingPnic(name_);
    if (!pnic.supportsSelfTest) throw KavrelException(name_ + " does not support a self test");
    if (!online && !pnic.adminUp) throw KavrelException(name_ + " is down; bring it up to run an offline self test");
    result.failed = false;
    result.info.clear();
    for (const auto& check : pnic.selfTests) {
        if (online && !check.onlineSafe) continue;
        if (!check.passes) result.failed = true;
        result.info.push_back(check.name + ": " + (check.passes ? "passed" : "failed"));
    }
}

void Pnic::RestartNegotiation() {
    CheckFault("Pnic::RestartNegotiation");
    Modify(name_, [&](PnicModel& pnic) {
        if (!pnic.adminUp) throw KavrelException(name_ + " is down");
        if (!pnic.supportsAutoNegotiation || !pnic.autoNegotiation) {
            throw KavrelException("Auto-negotiation is not on for " + name_);
        }
        // A statistic: at its largest it stays there rather than wrap to zero.
        if (pnic.negotiationRestarts != std::numeric_limits<uint32_t>::max()) ++pnic.negotiationRestarts;
    });
}

void Pnic::GetHwCaps(PnicHwCaps& caps) const {
    CheckFault("Pnic::GetHwCaps");
    const auto& pnic = ExistingPnic(name_);
    caps.supported = pnic.hwCapsSupported;
    caps.activated = pnic.hwCapsActivated & pnic.hwCapsSupported;
}

void Pnic::AttachBranch(const std::string& branch, int16_t vlanId) {
    CheckFault("Pnic::AttachBranch");
    ModifyInventory([&](PnicInventory& inventory) {
        auto* trunk = &SimHost::PnicIn(inventory, name_);
        SimHost::PnicIn(inventory, branch);
        if (branch == name_) throw KavrelException("A NIC cannot be attached to itself");
        if (vlanId < 1 || vlanId > 4094) {
            throw KavrelException("VLAN ID " + std::to_string(vlanId) + " is outside the range 1 to 4094");
        }
        for (const auto& other : inventory.pnics) {
            for (const auto& attachment : other.attachments) {
                if (attachment.branch == branch) {
                    throw KavrelException(branch + " is already attached to " + other.name);
                }
                if (attachment.branch == name_) {
                    throw KavrelException(name_ + " is a branch of " + other.name + " and cannot be a trunk");
                }
            }
        }
        if (!SimHost::FindPnic(inventory, branch)->attachments.empty()) {
            throw KavrelException(branch + " is a trunk and cannot be attached as a branch");
        }
        for (const auto& attachment : trunk->attachments) {
            if (attachment.vlanId == vlanId) {
                throw KavrelException("VLAN ID " + std::to_string(vlanId) + " is already used by " + attachment.branch +
                                      " on " + name_);
            }
        }
        trunk->attachments.push_back({branch, vlanId});
    });
}

void Pnic::DetachBranch(const std::string& branch) {
    CheckFault("Pnic::DetachBranch");
    Modify(name_, [&](PnicModel& trunk) {
        auto& list = trunk.attachments;
        auto found = std::find_if(list.begin(), list.end(), [&](const auto& a) { return a.branch == branch; });
        if (found == list.end()) throw KavrelException(branch + " is not attached to " + name_);
        list.erase(found);
    });
}

std::vector<PnicAttachment> Pnic::GetAttachments() const {
    CheckFault("Pnic::GetAttachments");
    std::vector<PnicAttachment> attachments;
    for (const auto& attachment : ExistingPnic(name_).attachments) {
        attachments.push_back({attachment.branch, static_cast<int16_t>(attachment.vlanId)});
    }
    return attachments;
}

}  // namespace Network
}  // namespace Kavrel

namespace LmxCtl {
namespace Network {

using SimHost::CheckFault;

std::string PnicImpl::GetHwCapName(uint8_t index) { return index < kHwCapCount ? kHwCapNames[index] : "Unknown"; }

DcbInfoImpl::DcbInfoImpl(const std::string& nicName) : nicName_(nicName) {
    CheckFault("DcbInfoImpl::DcbInfoImpl");
    ExistingPnic(nicName_);
}

DcbInfoImpl::~DcbInfoImpl() = default;

namespace {
// The NIC's stored DCB state, for one DCB query (which a test may make fail).
const SimHost::PnicDcbModel& StoredDcb(const std::string& nic, const char* operation) {
    CheckFault(operation);
    return ExistingPnic(nic).dcb;
}
}  // namespace

uint32_t DcbInfoImpl::GetMode() const { return StoredDcb(nicName_, "DcbInfoImpl::GetMode").mode; }

bool DcbInfoImpl::IsEnabled() const { return StoredDcb(nicName_, "DcbInfoImpl::IsEnabled").enabled; }

Kavrel::Network::DcbCapabilities DcbInfoImpl::GetCapabilities() const {
    const auto& c = StoredDcb(nicName_, "DcbInfoImpl::GetCapabilities").capabilities;
    Kavrel::Network::DcbCapabilities capabilities;
    capabilities.priorityGroup = c.priorityGroup;
    capabilities.priorityFlowControl = c.priorityFlowControl;
    capabilities.upToTcMap = c.upToTcMap;
    capabilities.pgTrafficClasses = static_cast<uint8_t>(c.pgTrafficClasses);
    capabilities.pfcTrafficClasses = static_cast<uint8_t>(c.pfcTrafficClasses);
    return capabilities;
}

bool DcbInfoImpl::IsPfcEnabled() const { return StoredDcb(nicName_, "DcbInfoImpl::IsPfcEnabled").pfcEnabled; }

uint8_t DcbInfoImpl::GetPfcConfig() const {
    return static_cast<uint8_t>(StoredDcb(nicName_, "DcbInfoImpl::GetPfcConfig").pfcConfig);
}

Kavrel::Network::DcbIeeeEtsConfig DcbInfoImpl::GetIeeeEtsConfig() const {
    const auto& e = StoredDcb(nicName_, "DcbInfoImpl::GetIeeeEtsConfig").ets;
    Kavrel::Network::DcbIeeeEtsConfig config;
    config.willing = static_cast<uint8_t>(e.willing);
    config.supportedCapacity = static_cast<uint8_t>(e.supportedCapacity);
    config.creditBasedShaper = e.creditBasedShaper;
    CopyBytes(e.txBandwidth, config.txBandwidth);
    CopyBytes(e.rxBandwidth, config.rxBandwidth);
    CopyBytes(e.tsaTable, config.tsaTable);
    CopyBytes(e.priorityAssignment, config.priorityAssignment);
    CopyBytes(e.recommendedBandwidth, config.recommendedBandwidth);
    CopyBytes(e.recommendedTsa, config.recommendedTsa);
    CopyBytes(e.recommendedPriority, config.recommendedPriority);
    return config;
}

Kavrel::Network::DcbIeeePfcConfig DcbInfoImpl::GetIeeePfcConfig() const {
    const auto& p = StoredDcb(nicName_, "DcbInfoImpl::GetIeeePfcConfig").pfc;
    Kavrel::Network::DcbIeeePfcConfig config;
    config.trafficClasses = static_cast<uint8_t>(p.trafficClasses);
    config.pfcMask = static_cast<uint8_t>(p.pfcMask);
    config.macsecBypass = static_cast<uint8_t>(p.macsecBypass);
    config.delay = static_cast<uint8_t>(p.delay);
    CopyBytes(p.sentFrames, config.sentFrames);
    CopyBytes(p.receivedFrames, config.receivedFrames);
    return config;
}

std::vector<Kavrel::Network::DcbAppInfo> DcbInfoImpl::GetAppInfo() const {
    return StoredDcb(nicName_, "DcbInfoImpl::GetAppInfo").apps;
}

}  // namespace Network
}  // namespace LmxCtl
