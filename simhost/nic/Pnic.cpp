// Physical NIC queries and settings, the NIC inventory and the network factory.
#include <algorithm>

#include "core/Faults.h"
#include "core/HostStore.h"
#include "core/StoredIndex.h"
#include "kavrel/Lib.h"
#include "kavrel/NetworkFactory.h"
#include "kavrel/NetworkInfo.h"
#include "lmxctl/NetworkInfoImpl.h"
#include "lmxctl/PnicImpl.h"
#include "model/PnicModel.h"
#include "nic/PnicLookup.h"

namespace Kavrel {
namespace Network {

using Lib::KavrelException;
using SimHost::CheckFault;
using SimHost::HostStore;
using SimHost::PnicInventory;
using SimHost::PnicModel;

namespace {
using SimHost::ExistingPnic;

// Changes one NIC; nothing is written when change throws.
template <typename Change>
void Modify(const std::string& name, Change&& change) {
    HostStore::Instance().Update<PnicInventory>(
        [&](PnicInventory& inventory) { change(SimHost::PnicIn(inventory, name)); });
}

// Coalescing values beyond this are refused as the driver would.
constexpr uint32_t kMaxCoalesceValue = 0x7fffffff;

// The coalescing values the host keeps, one list for reading and for writing
// them, so that the two directions cannot disagree on a field.
template <typename To, typename From>
void CopyCoalesceFields(To& to, const From& from) {
    to.adaptiveRx = from.adaptiveRx;
    to.adaptiveTx = from.adaptiveTx;
    to.sampleInterval = from.sampleInterval;
    to.pktRateLow = from.pktRateLow;
    to.pktRateHigh = from.pktRateHigh;
    to.rxUsecs = from.rxUsecs;
    to.rxMaxFrames = from.rxMaxFrames;
    to.txUsecs = from.txUsecs;
    to.txMaxFrames = from.txMaxFrames;
    to.rxUsecsLow = from.rxUsecsLow;
    to.rxMaxFramesLow = from.rxMaxFramesLow;
    to.txUsecsLow = from.txUsecsLow;
    to.txMaxFramesLow = from.txMaxFramesLow;
    to.rxUsecsHigh = from.rxUsecsHigh;
    to.rxMaxFramesHigh = from.rxMaxFramesHigh;
    to.txUsecsHigh = from.txUsecsHigh;
    to.txMaxFramesHigh = from.txMaxFramesHigh;
}

// The software settings with their mask bits: a set call changes the
// members whose bits it gives.
const struct {
    uint32_t bit;
    bool PnicSoftwareSettings::*member;
} kSoftwareFields[] = {
    {PnicSoftwareSettings::IPV4_CSO, &PnicSoftwareSettings::ipv4Cso},
    {PnicSoftwareSettings::IPV4_TSO, &PnicSoftwareSettings::ipv4Tso},
    {PnicSoftwareSettings::SG, &PnicSoftwareSettings::scatterGather},
    {PnicSoftwareSettings::OBO, &PnicSoftwareSettings::offsetBasedOffload},
    {PnicSoftwareSettings::VXLAN_ENCAP, &PnicSoftwareSettings::vxlanEncap},
    {PnicSoftwareSettings::IPV6_TSO, &PnicSoftwareSettings::ipv6Tso},
    {PnicSoftwareSettings::IPV6_TSO_EXT, &PnicSoftwareSettings::ipv6TsoExt},
    {PnicSoftwareSettings::IPV6_CSO, &PnicSoftwareSettings::ipv6Cso},
    {PnicSoftwareSettings::IPV6_CSO_EXT, &PnicSoftwareSettings::ipv6CsoExt},
    {PnicSoftwareSettings::HIGH_DMA, &PnicSoftwareSettings::highDma},
    {PnicSoftwareSettings::SG_SPAN_PAGES, &PnicSoftwareSettings::scatterGatherSpanPages},
    {PnicSoftwareSettings::VLAN_TAGGING, &PnicSoftwareSettings::vlanTagging},
    {PnicSoftwareSettings::VLAN_UNTAGGING, &PnicSoftwareSettings::vlanUntagging},
    {PnicSoftwareSettings::GENEVE_OFFLOAD, &PnicSoftwareSettings::geneveOffload},
};

bool LinkDetected(const PnicModel& pnic) { return pnic.adminUp && pnic.linkUp; }

std::string DuplexName(uint32_t duplex) { return duplex == 1 ? "full" : "half"; }

const char* PortName(uint32_t port) {
    static const char* const names[] = {"TP", "AUI", "BNC", "MII", "FIBRE", "DA", "BACKPLANE"};
    return port < 7 ? names[port] : "UNKNOWN";
}

void CheckRingSize(const std::string& nic, const char* ring, uint32_t size, uint32_t maximum, bool required) {
    if (size > maximum) {
        throw KavrelException(std::string(ring) + " ring size " + std::to_string(size) + " exceeds the maximum of " +
                              std::to_string(maximum) + " on " + nic);
    }
    if (required && size == 0) throw KavrelException(std::string(ring) + " ring size must be at least 1 on " + nic);
}

// The rings with their mask bits and their names in messages; a required ring
// cannot be set to no entries. One table for reading and for writing them.
struct RingField {
    uint8_t bit;
    const char* name;
    uint32_t PnicRingParams::*setting;
    uint32_t SimHost::PnicRingModel::*stored;
    bool required;
};
constexpr RingField kRingFields[] = {
    {PnicRingParams::RX, "RX", &PnicRingParams::rx, &SimHost::PnicRingModel::rx, true},
    {PnicRingParams::RX_MINI, "RX mini", &PnicRingParams::rxMini, &SimHost::PnicRingModel::rxMini, false},
    {PnicRingParams::RX_JUMBO, "RX jumbo", &PnicRingParams::rxJumbo, &SimHost::PnicRingModel::rxJumbo, false},
    {PnicRingParams::TX, "TX", &PnicRingParams::tx, &SimHost::PnicRingModel::tx, true},
};

// The sizes of a ring, by name (no mask: nothing to change).
PnicRingParams RingParams(const SimHost::PnicRingModel& ring) {
    PnicRingParams params;
    for (const auto& field : kRingFields) params.*field.setting = ring.*field.stored;
    return params;
}
}  // namespace

std::string Pnic::GetDriverName() const {
    CheckFault("Pnic::GetDriverName");
    return ExistingPnic(name_).driver;
}

MacAddress Pnic::GetMacAddress() const {
    CheckFault("Pnic::GetMacAddress");
    return MacAddress(ExistingPnic(name_).macAddress);
}

uint32_t Pnic::GetMtu() const {
    CheckFault("Pnic::GetMtu");
    return ExistingPnic(name_).mtu;
}

bool Pnic::IsLinkUp() {
    CheckFault("Pnic::IsLinkUp");
    return LinkDetected(ExistingPnic(name_));
}

bool Pnic::GetLinkStatus() const {
    CheckFault("Pnic::GetLinkStatus");
    return LinkDetected(ExistingPnic(name_));
}

bool Pnic::GetAdminStatus() const {
    CheckFault("Pnic::GetAdminStatus");
    return ExistingPnic(name_).adminUp;
}

uint32_t Pnic::GetSpeed() const {
    CheckFault("Pnic::GetSpeed");
    const auto& pnic = ExistingPnic(name_);
    return LinkDetected(pnic) ? pnic.speed : 0;
}

uint32_t Pnic::GetDuplex() const {
    CheckFault("Pnic::GetDuplex");
    return ExistingPnic(name_).duplex;
}

std::unique_ptr<PciDevice> Pnic::GetPciDevice() const {
    CheckFault("Pnic::GetPciDevice");
    const auto& pnic = ExistingPnic(name_);
    if (pnic.pciAddress.empty()) return nullptr;
    return std::make_unique<PciDevice>(pnic.pciAddress, pnic.vendorName, pnic.deviceName);
}

std::string Pnic::GetDeviceDescription() const {
    CheckFault("Pnic::GetDeviceDescription");
    return ExistingPnic(name_).description;
}

void Pnic::GetPnicInfo(PnicInfo& info) const {
    CheckFault("Pnic::GetPnicInfo");
    const auto& pnic = ExistingPnic(name_);
    info.supportedPorts = pnic.supportedPorts;
    info.supportsAutoNegotiation = pnic.supportsAutoNegotiation;
    info.advertisedLinkModes.clear();
    // Auto-negotiation advertises every mode; a forced link only its own.
    for (const auto& mode : pnic.linkModes) {
        bool forced =
            static_cast<uint32_t>(mode.speed) == pnic.speed && static_cast<uint32_t>(mode.duplex) == pnic.duplex;
        if (!pnic.autoNegotiation && !forced) continue;
        PnicLinkMode advertised;
        advertised.speed = mode.speed;
        advertised.duplex = mode.duplex;
        advertised.media = mode.media;
        info.advertisedLinkModes.push_back(advertised);
    }
    info.advertisedAutoNegotiation = pnic.supportsAutoNegotiation && pnic.autoNegotiation;
    info.port = pnic.port;
    info.phyAddress = pnic.phyAddress;
    info.transceiver = pnic.transceiver;
    info.autoNegotiation = pnic.autoNegotiation;
    info.supportsWakeOn = pnic.supportsWakeOn;
    info.wakeOnModes = pnic.supportsWakeOn ? pnic.wakeOn : std::vector<uint32_t>{};
    info.supportsMessageLevel = pnic.supportsMessageLevel;
    info.messageLevel = pnic.messageLevel;
    info.virtualAddress = pnic.virtualAddress;
    info.linkStatus = LinkDetected(pnic) ? "Up" : "Down";
}

void Pnic::SetPnicInfo(const PnicInfo& info) {
    CheckFault("Pnic::SetPnicInfo");
    Modify(name_, [&](PnicModel& pnic) {
        if (info.portChanged) {
            const auto& ports = pnic.supportedPorts;
            if (std::find(ports.begin(), ports.end(), info.port) == ports.end()) {
                throw KavrelException(name_ + " does not support port type " + PortName(info.port));
            }
            pnic.port = info.port;
        }
        if (info.phyAddressChanged) {
            if (info.phyAddress < 0 || info.phyAddress > 31) {
                throw KavrelException("PHY address " + std::to_string(info.phyAddress) +
                                      " is outside the range 0 to 31");
            }
            pnic.phyAddress = info.phyAddress;
        }
        if (info.virtualAddressChanged) {
            if (!info.virtualAddress.empty() && !MacAddress::IsValid(info.virtualAddress)) {
                throw KavrelException("Invalid virtual address: " + info.virtualAddress);
            }
            pnic.virtualAddress = info.virtualAddress;
        }
        if (info.transceiverChanged) {
            if (info.transceiver > 1) throw KavrelException("Invalid transceiver type");
            pnic.transceiver = info.transceiver;
        }
        if (info.wakeOnChanged) {
            if (!pnic.supportsWakeOn) throw KavrelException(name_ + " does not support wake-on-LAN");
            for (uint32_t mode : info.wakeOnModes) {
                const auto& supported = pnic.wakeOnSupported;
                if (std::find(supported.begin(), supported.end(), mode) == supported.end()) {
                    throw KavrelException(name_ + " does not support wake-on mode " + std::to_string(mode));
                }
            }
            pnic.wakeOn = info.wakeOnModes;
        }
        if (info.messageLevelChanged) {
            if (!pnic.supportsMessageLevel) throw KavrelException(name_ + " does not support driver message levels");
            pnic.messageLevel = info.messageLevel;
        }
    });
}

void Pnic::GetDriverInfo(PnicDriverInfo& info) const {
    CheckFault("Pnic::GetDriverInfo");
    const auto& pnic = ExistingPnic(name_);
    info.driver = pnic.driver;
    info.version = pnic.driverVersion;
    info.firmwareVersion = pnic.firmwareVersion;
    info.busInfo = pnic.pciAddress.empty() ? "N/A" : pnic.pciAddress;
}

void Pnic::SetSpeedDuplex(uint32_t speed, uint32_t duplex) {
    CheckFault("Pnic::SetSpeedDuplex");
    Modify(name_, [&](PnicModel& pnic) {
        if (speed == 0 && duplex == 0) {
            if (!pnic.supportsAutoNegotiation) throw KavrelException(name_ + " does not support auto-negotiation");
            // The link comes up at the best mode both ends share; the simulated partner takes any.
            const SimHost::PnicLinkModeModel* best = nullptr;
            for (const auto& mode : pnic.linkModes) {
                if (!best || mode.speed > best->speed || (mode.speed == best->speed && mode.duplex == 1)) best = &mode;
            }
            if (best) {
                pnic.speed = static_cast<uint32_t>(best->speed);
                pnic.duplex = static_cast<uint32_t>(best->duplex);
            }
            pnic.autoNegotiation = true;
            return;
        }
        if (duplex != 1 && duplex != 2) throw KavrelException("Invalid duplex value " + std::to_string(duplex));
        bool supported = std::any_of(pnic.linkModes.begin(), pnic.linkModes.end(), [&](const auto& mode) {
            return static_cast<uint32_t>(mode.speed) == speed && static_cast<uint32_t>(mode.duplex) == duplex;
        });
        if (!supported) {
            throw KavrelException(name_ + " does not support speed " + std::to_string(speed) + " Mbps at " +
                                  DuplexName(duplex) + " duplex");
        }
        pnic.speed = speed;
        pnic.duplex = duplex;
        pnic.autoNegotiation = false;
    });
}

void Pnic::SetAdminStatus(bool up) {
    CheckFault("Pnic::SetAdminStatus");
    Modify(name_, [&](PnicModel& pnic) { pnic.adminUp = up; });
}

void Pnic::GetPauseParams(PnicPauseParams& params) const {
    CheckFault("Pnic::GetPauseParams");
    const auto& pnic = ExistingPnic(name_);
    params = PnicPauseParams{};
    if (!pnic.pause.supported) return;
    params.supported = true;
    params.autoNegotiation = pnic.pause.autoNegotiation;
    params.rx = pnic.pause.rx;
    params.tx = pnic.pause.tx;
    // A resolution exists only once auto-negotiation has completed on a live link.
    if (pnic.pause.autoNegotiation && LinkDetected(pnic)) {
        params.rxResolution = pnic.pause.rx && pnic.pause.partnerPause ? 1 : 2;
        params.txResolution = pnic.pause.tx && pnic.pause.partnerPause ? 1 : 2;
    }
}

void Pnic::SetPauseParams(const PnicPauseParams& params) {
    CheckFault("Pnic::SetPauseParams");
    Modify(name_, [&](PnicModel& pnic) {
        if (!pnic.pause.supported) throw KavrelException(name_ + " does not support pause parameters");
        if (params.autoNegotiation && !pnic.supportsAutoNegotiation) {
            throw KavrelException(name_ + " does not support auto-negotiation");
        }
        pnic.pause.autoNegotiation = params.autoNegotiation;
        pnic.pause.rx = params.rx;
        pnic.pause.tx = params.tx;
    });
}

void Pnic::GetRingParams(PnicRingParams& preset, PnicRingParams& current) const {
    CheckFault("Pnic::GetRingParams");
    const auto& pnic = ExistingPnic(name_);
    preset = RingParams(pnic.ringMax);
    current = RingParams(pnic.ring);
}

void Pnic::SetRingParams(const PnicRingParams& params) {
    CheckFault("Pnic::SetRingParams");
    Modify(name_, [&](PnicModel& pnic) {
        for (const auto& field : kRingFields) {
            if (!(params.mask & field.bit)) continue;
            CheckRingSize(name_, field.name, params.*field.setting, pnic.ringMax.*field.stored, field.required);
            pnic.ring.*field.stored = params.*field.setting;
        }
    });
}

void Pnic::GetCoalesceParams(PnicCoalesceParams& params) const {
    CheckFault("Pnic::GetCoalesceParams");
    const auto& c = ExistingPnic(name_).coalesce;
    if (!c.supported) throw KavrelException(name_ + " does not support interrupt coalescing");
    params = PnicCoalesceParams{};
    CopyCoalesceFields(params, c);
}

void Pnic::SetCoalesceParams(const PnicCoalesceParams& params) {
    CheckFault("Pnic::SetCoalesceParams");
    Modify(name_, [&](PnicModel& pnic) {
        auto& c = pnic.coalesce;
        if (!c.supported) throw KavrelException(name_ + " does not support interrupt coalescing");
        for (uint32_t value :
             {params.pktRateLow, params.pktRateHigh, params.rxUsecs, params.rxMaxFrames, params.txUsecs,
              params.txMaxFrames, params.rxUsecsLow, params.rxMaxFramesLow, params.txUsecsLow, params.txMaxFramesLow,
              params.rxUsecsHigh, params.rxMaxFramesHigh, params.txUsecsHigh, params.txMaxFramesHigh}) {
            if (value > kMaxCoalesceValue) {
                throw KavrelException("Invalid coalescing value " + std::to_string(value) + " for " + name_);
            }
        }
        if (params.sampleInterval < 1 || params.sampleInterval > 3600) {
            throw KavrelException("Sample interval " + std::to_string(params.sampleInterval) +
                                  " is outside the range 1 to 3600 seconds");
        }
        CopyCoalesceFields(c, params);
    });
}

void Pnic::GetOffloadSettings(PnicOffloadSettings& settings) const {
    CheckFault("Pnic::GetOffloadSettings");
    const auto& pnic = ExistingPnic(name_);
    settings.mask = 0;
    settings.rxChecksum = pnic.offload.rxChecksum;
    settings.txChecksum = pnic.offload.txChecksum;
    settings.scatterGather = pnic.offload.scatterGather;
    settings.tso = pnic.offload.tso;
    settings.note.clear();
}

void Pnic::SetOffloadSettings(const PnicOffloadSettings& settings) {
    CheckFault("Pnic::SetOffloadSettings");
    Modify(name_, [&](PnicModel& pnic) {
        auto apply = [&](uint8_t bit, bool value, bool capable, bool& target, const char* what) {
            if (!(settings.mask & bit)) return;
            if (value && !capable) throw KavrelException(name_ + " does not support " + what);
            target = value;
        };
        apply(PnicOffloadSettings::RX_CSO, settings.rxChecksum, pnic.offloadCapable.rxChecksum, pnic.offload.rxChecksum,
              "RX checksum offload");
        apply(PnicOffloadSettings::TX_CSO, settings.txChecksum, pnic.offloadCapable.txChecksum, pnic.offload.txChecksum,
              "TX checksum offload");
        apply(PnicOffloadSettings::SG, settings.scatterGather, pnic.offloadCapable.scatterGather,
              pnic.offload.scatterGather, "scatter-gather");
        apply(PnicOffloadSettings::TSO, settings.tso, pnic.offloadCapable.tso, pnic.offload.tso,
              "TCP segmentation offload");
    });
}

void Pnic::GetSoftwareSettings(PnicSoftwareSettings& settings) const {
    CheckFault("Pnic::GetSoftwareSettings");
    settings = ExistingPnic(name_).software;
    settings.mask = 0;
}

void Pnic::SetSoftwareSettings(const PnicSoftwareSettings& settings) {
    CheckFault("Pnic::SetSoftwareSettings");
    Modify(name_, [&](PnicModel& pnic) {
        for (const auto& field : kSoftwareFields) {
            if (settings.mask & field.bit) pnic.software.*field.member = settings.*field.member;
        }
    });
}

std::vector<std::unique_ptr<Pnic>> NetworkInfo::GetPnics(int type) {
    CheckFault("NetworkInfo::GetPnics");
    std::vector<std::unique_ptr<Pnic>> pnics;
    for (const auto& pnic : HostStore::Instance().Read<PnicInventory>().pnics) {
        if (type == PNIC_GET_LOADED && !pnic.driverLoaded) continue;
        pnics.push_back(std::make_unique<LmxCtl::Network::PnicImpl>(pnic.name));
    }
    return pnics;
}

std::unique_ptr<Pnic> NetworkInfo::GetPnicByName(const std::string& name) {
    CheckFault("NetworkInfo::GetPnicByName");
    if (!SimHost::StoredPnic(name)) return nullptr;
    return std::make_unique<LmxCtl::Network::PnicImpl>(name);
}

std::unique_ptr<NetworkInfo> NetworkFactory::GetNetworkInfo() {
    CheckFault("NetworkFactory::GetNetworkInfo");
    return std::make_unique<LmxCtl::Network::NetworkInfoImpl>();
}

}  // namespace Network
}  // namespace Kavrel

namespace LmxCtl {
namespace Network {

using Kavrel::Lib::KavrelException;
using SimHost::CheckFault;
using SimHost::HostStore;
using SimHost::PnicInventory;

PnicImpl::PnicImpl(const std::string& name) : Kavrel::Network::Pnic(name) {
    CheckFault("PnicImpl::PnicImpl");
    SimHost::ExistingPnic(name);
}

PnicImpl::~PnicImpl() = default;

bool PnicImpl::IsValidPnic(const std::string& name) {
    CheckFault("PnicImpl::IsValidPnic");
    return SimHost::StoredPnic(name) != nullptr;
}

void PnicImpl::GetPnicStats(Kavrel::Network::PnicStats& stats) const {
    CheckFault("PnicImpl::GetPnicStats");
    stats = Kavrel::Network::ExistingPnic(name_).stats;
}

}  // namespace Network
}  // namespace LmxCtl
