// A NIC's pause, ring, coalescing, offload and queue settings on a Linux
// host, through the driver's ethtool operations.
#include <net/if.h>

#include <string>
#include <vector>

#include "core/Changes.h"
#include "core/Refusal.h"
#include "kavrel/Lib.h"
#include "kavrel/Pnic.h"
#include "nic/NicHost.h"

namespace Kavrel {
namespace Network {

using Lib::KavrelException;

namespace {

// The coalescing values, the kernel's field beside the host's: one table
// read both ways, with the name a refusal gives the value.
const struct {
    __u32 ethtool_coalesce::*kernel;
    uint32_t PnicCoalesceParams::*host;
    const char* label;
} kCoalesceFields[] = {
    {&ethtool_coalesce::stats_block_coalesce_usecs, &PnicCoalesceParams::statsBlockUsecs,
     "the statistics block microseconds"},
    {&ethtool_coalesce::rate_sample_interval, &PnicCoalesceParams::sampleInterval, "the sample interval"},
    {&ethtool_coalesce::pkt_rate_low, &PnicCoalesceParams::pktRateLow, "the low packet rate"},
    {&ethtool_coalesce::pkt_rate_high, &PnicCoalesceParams::pktRateHigh, "the high packet rate"},
    {&ethtool_coalesce::rx_coalesce_usecs, &PnicCoalesceParams::rxUsecs, "RX microseconds"},
    {&ethtool_coalesce::rx_max_coalesced_frames, &PnicCoalesceParams::rxMaxFrames, "RX maximum frames"},
    {&ethtool_coalesce::rx_coalesce_usecs_irq, &PnicCoalesceParams::rxUsecsIrq, "RX microseconds in an interrupt"},
    {&ethtool_coalesce::rx_max_coalesced_frames_irq, &PnicCoalesceParams::rxMaxFramesIrq,
     "RX maximum frames in an interrupt"},
    {&ethtool_coalesce::tx_coalesce_usecs, &PnicCoalesceParams::txUsecs, "TX microseconds"},
    {&ethtool_coalesce::tx_max_coalesced_frames, &PnicCoalesceParams::txMaxFrames, "TX maximum frames"},
    {&ethtool_coalesce::tx_coalesce_usecs_irq, &PnicCoalesceParams::txUsecsIrq, "TX microseconds in an interrupt"},
    {&ethtool_coalesce::tx_max_coalesced_frames_irq, &PnicCoalesceParams::txMaxFramesIrq,
     "TX maximum frames in an interrupt"},
    {&ethtool_coalesce::rx_coalesce_usecs_low, &PnicCoalesceParams::rxUsecsLow, "RX microseconds at low rate"},
    {&ethtool_coalesce::rx_max_coalesced_frames_low, &PnicCoalesceParams::rxMaxFramesLow,
     "RX maximum frames at low rate"},
    {&ethtool_coalesce::tx_coalesce_usecs_low, &PnicCoalesceParams::txUsecsLow, "TX microseconds at low rate"},
    {&ethtool_coalesce::tx_max_coalesced_frames_low, &PnicCoalesceParams::txMaxFramesLow,
     "TX maximum frames at low rate"},
    {&ethtool_coalesce::rx_coalesce_usecs_high, &PnicCoalesceParams::rxUsecsHigh, "RX microseconds at high rate"},
    {&ethtool_coalesce::rx_max_coalesced_frames_high, &PnicCoalesceParams::rxMaxFramesHigh,
     "RX maximum frames at high rate"},
    {&ethtool_coalesce::tx_coalesce_usecs_high, &PnicCoalesceParams::txUsecsHigh, "TX microseconds at high rate"},
    {&ethtool_coalesce::tx_max_coalesced_frames_high, &PnicCoalesceParams::txMaxFramesHigh,
     "TX maximum frames at high rate"},
};

void ToKernel(ethtool_coalesce& to, const PnicCoalesceParams& from) {
    to.use_adaptive_rx_coalesce = from.adaptiveRx;
    to.use_adaptive_tx_coalesce = from.adaptiveTx;
    for (const auto& field : kCoalesceFields) to.*field.kernel = from.*field.host;
}

void FromKernel(PnicCoalesceParams& to, const ethtool_coalesce& from) {
    to.adaptiveRx = from.use_adaptive_rx_coalesce != 0;
    to.adaptiveTx = from.use_adaptive_tx_coalesce != 0;
    for (const auto& field : kCoalesceFields) to.*field.host = from.*field.kernel;
}

// One coalescing value two readings differ in; a switch is on or off, a
// value a number.
struct CoalescingDifference {
    const char* label;
    bool isSwitch;
    uint32_t first, second;
};

// Where the two readings differ, switches first, in the table's order.
std::vector<CoalescingDifference> CoalescingDifferences(const ethtool_coalesce& first, const ethtool_coalesce& second) {
    static const struct {
        __u32 ethtool_coalesce::*kernel;
        const char* label;
    } kSwitches[] = {{&ethtool_coalesce::use_adaptive_rx_coalesce, "adaptive RX"},
                     {&ethtool_coalesce::use_adaptive_tx_coalesce, "adaptive TX"}};
    std::vector<CoalescingDifference> differences;
    for (const auto& field : kSwitches) {
        if (first.*field.kernel != second.*field.kernel) {
            differences.push_back({field.label, true, first.*field.kernel, second.*field.kernel});
        }
    }
    for (const auto& field : kCoalesceFields) {
        if (first.*field.kernel != second.*field.kernel) {
            differences.push_back({field.label, false, first.*field.kernel, second.*field.kernel});
        }
    }
    return differences;
}

// The values `after` changes from `before`, named and joined ("a, b and c").
std::string ChangedCoalescing(const ethtool_coalesce& before, const ethtool_coalesce& after) {
    std::vector<std::string> labels;
    for (const auto& difference : CoalescingDifferences(before, after)) labels.push_back(difference.label);
    return LinuxHost::JoinAsList(labels);
}

// A driver may accept a coalescing value and keep another (a tap keeps at
// most 64 RX frames): what it reports must be what was asked for.
void RequireCoalescingTaken(const std::string& name, const ethtool_coalesce& asked) {
    ethtool_coalesce kept{};
    kept.cmd = ETHTOOL_GCOALESCE;
    LinuxHost::Ethtool(name, &kept, "read the interrupt coalescing");
    const auto differences = CoalescingDifferences(kept, asked);
    if (differences.empty()) return;
    const CoalescingDifference& first = differences.front();
    const std::string why =
        first.isSwitch ? (first.first ? "the driver keeps it on" : "the driver keeps it off")
                       : "the driver took " + std::to_string(first.first) + ", not " + std::to_string(first.second);
    LinuxHost::Refuse("Cannot set " + std::string(first.label) + " for the interrupt coalescing of " + name + ": " +
                      why);
}

// The four offloads by their legacy ethtool get and set requests, which the
// kernel maps onto the feature bits (and refuses for a fixed feature). The
// kernel keeps TCP segmentation offload off while scatter-gather or TX
// checksum offload is off.
struct Offload {
    uint8_t bit;
    bool PnicOffloadSettings::*member;
    uint32_t get, set;
    const char* name;
    uint8_t needs;  // the bits of the offloads it needs
};
const Offload kOffloads[] = {
    {PnicOffloadSettings::RX_CSO, &PnicOffloadSettings::rxChecksum, ETHTOOL_GRXCSUM, ETHTOOL_SRXCSUM,
     "RX checksum offload", 0},
    {PnicOffloadSettings::TX_CSO, &PnicOffloadSettings::txChecksum, ETHTOOL_GTXCSUM, ETHTOOL_STXCSUM,
     "TX checksum offload", 0},
    {PnicOffloadSettings::SG, &PnicOffloadSettings::scatterGather, ETHTOOL_GSG, ETHTOOL_SSG, "scatter-gather", 0},
    {PnicOffloadSettings::TSO, &PnicOffloadSettings::tso, ETHTOOL_GTSO, ETHTOOL_STSO, "TCP segmentation offload",
     PnicOffloadSettings::SG | PnicOffloadSettings::TX_CSO},
};

// Whether the offload is on now; false where the driver lacks the request.
bool OffloadOn(const std::string& name, const Offload& offload) {
    ethtool_value value{};
    value.cmd = offload.get;
    return LinuxHost::TryEthtool(name, &value, "read the offloads") && value.data != 0;
}

ethtool_channels Channels(const std::string& name) {
    ethtool_channels channels{};
    channels.cmd = ETHTOOL_GCHANNELS;
    LinuxHost::Ethtool(name, &channels, "read the queue counts");
    return channels;
}

}  // namespace

void Pnic::GetPauseParams(PnicPauseParams& params) const {
    params = PnicPauseParams{};
    ethtool_pauseparam pause{};
    pause.cmd = ETHTOOL_GPAUSEPARAM;
    if (!LinuxHost::TryEthtool(name_, &pause, "read the pause parameters")) return;
    params.supported = true;
    params.autoNegotiation = pause.autoneg != 0;
    params.rx = pause.rx_pause != 0;
    params.tx = pause.tx_pause != 0;
    // A resolution exists once auto-negotiation has completed with a partner.
    LinuxHost::LinkSettings settings;
    const auto link = LinuxHost::ReadLink(name_);
    if (params.autoNegotiation && (link.flags & LinuxHost::kLinkLowerUp) &&
        LinuxHost::ReadLinkSettings(name_, settings)) {
        const bool partnerPause = settings.Has(settings.partner, ETHTOOL_LINK_MODE_Pause_BIT);
        params.rxResolution = params.rx && partnerPause ? 1 : 2;
        params.txResolution = params.tx && partnerPause ? 1 : 2;
    }
}

void Pnic::SetPauseParams(const PnicPauseParams& params) {
    ethtool_pauseparam pause{};
    pause.cmd = ETHTOOL_SPAUSEPARAM;
    pause.autoneg = params.autoNegotiation;
    pause.rx_pause = params.rx;
    pause.tx_pause = params.tx;
    LinuxHost::Ethtool(name_, &pause, "change the pause parameters");
}

void Pnic::GetRingParams(PnicRingParams& preset, PnicRingParams& current) const {
    ethtool_ringparam ring{};
    ring.cmd = ETHTOOL_GRINGPARAM;
    LinuxHost::Ethtool(name_, &ring, "read the ring sizes");
    preset = PnicRingParams{};
    preset.rx = ring.rx_max_pending;
    preset.rxMini = ring.rx_mini_max_pending;
    preset.rxJumbo = ring.rx_jumbo_max_pending;
    preset.tx = ring.tx_max_pending;
    current = PnicRingParams{};
    current.rx = ring.rx_pending;
    current.rxMini = ring.rx_mini_pending;
    current.rxJumbo = ring.rx_jumbo_pending;
    current.tx = ring.tx_pending;
}

void Pnic::SetRingParams(const PnicRingParams& params) {
    ethtool_ringparam ring{};
    ring.cmd = ETHTOOL_GRINGPARAM;
    LinuxHost::Ethtool(name_, &ring, "change the ring sizes");
    if (params.mask & PnicRingParams::RX) ring.rx_pending = params.rx;
    if (params.mask & PnicRingParams::RX_MINI) ring.rx_mini_pending = params.rxMini;
    if (params.mask & PnicRingParams::RX_JUMBO) ring.rx_jumbo_pending = params.rxJumbo;
    if (params.mask & PnicRingParams::TX) ring.tx_pending = params.tx;
    ring.cmd = ETHTOOL_SRINGPARAM;
    LinuxHost::Ethtool(name_, &ring, "change the ring sizes");
}

void Pnic::GetCoalesceParams(PnicCoalesceParams& params) const {
    ethtool_coalesce coalesce{};
    coalesce.cmd = ETHTOOL_GCOALESCE;
    LinuxHost::Ethtool(name_, &coalesce, "read the interrupt coalescing");
    params = PnicCoalesceParams{};
    FromKernel(params, coalesce);
}

void Pnic::SetCoalesceParams(const PnicCoalesceParams& params) {
    ethtool_coalesce coalesce{};
    coalesce.cmd = ETHTOOL_GCOALESCE;
    LinuxHost::Ethtool(name_, &coalesce, "change the interrupt coalescing");
    const ethtool_coalesce before = coalesce;
    ToKernel(coalesce, params);
    // The kernel refuses the whole request for one value the driver lacks:
    // the refusal names the values this request changes.
    const std::string changed = ChangedCoalescing(before, coalesce);
    const std::string what =
        changed.empty() ? "change the interrupt coalescing" : "set " + changed + " for the interrupt coalescing";
    coalesce.cmd = ETHTOOL_SCOALESCE;
    LinuxHost::AllOrNothing([&] {
        LinuxHost::Ethtool(name_, &coalesce, what.c_str());
        if (!LinuxHost::Planning()) RequireCoalescingTaken(name_, coalesce);
    });
}

void Pnic::GetOffloadSettings(PnicOffloadSettings& settings) const {
    settings.mask = 0;
    settings.note.clear();
    // A driver without the request has the offload off.
    for (const auto& offload : kOffloads) settings.*offload.member = OffloadOn(name_, offload);
}

// The kernel takes a request to turn on an offload whose prerequisite is
// off, records it and leaves the offload off: such a request is refused
// before it is sent. A driver may keep an offload as it was too: what the
// kernel ends up with is read back.
void Pnic::SetOffloadSettings(const PnicOffloadSettings& settings) {
    LinuxHost::AllOrNothing([&] {
        for (const auto& offload : kOffloads) {
            if (!(settings.mask & offload.bit)) continue;
            const bool on = settings.*offload.member;
            const std::string what = std::string("change ") + offload.name;
            for (const auto& needed : kOffloads) {
                if (!on || !(offload.needs & needed.bit) || OffloadOn(name_, needed)) continue;
                LinuxHost::Refuse("Cannot " + what + " of " + name_ + ": the kernel keeps it off while " + needed.name +
                                  " is off");
            }
            ethtool_value value{};
            value.cmd = offload.set;
            value.data = on ? 1 : 0;
            LinuxHost::Ethtool(name_, &value, what.c_str());
            if (LinuxHost::Planning() || OffloadOn(name_, offload) == on) continue;
            LinuxHost::Refuse("Cannot " + what + " of " + name_ + ": the driver keeps it " + (on ? "off" : "on"));
        }
    });
}

void Pnic::GetSoftwareSettings(PnicSoftwareSettings&) const {
    LinuxHost::NoEquivalent(
        "Switchable software simulations of offloads (the kernel always simulates what the NIC lacks)");
}

void Pnic::SetSoftwareSettings(const PnicSoftwareSettings&) {
    LinuxHost::NoEquivalent(
        "Switchable software simulations of offloads (the kernel always simulates what the NIC lacks)");
}

// Queues are the driver's channels: combined channels count in both
// directions. Linux has no queue balancer, balancer plugins or filter
// classes: none is reported, and changing them is refused.
void Pnic::GetNetqueueInfo(PnicNetqueueInfo& info) const {
    const auto channels = Channels(name_);
    info = PnicNetqueueInfo{};
    info.txQueueCount = channels.tx_count + channels.combined_count;
    info.rxQueueCount = channels.rx_count + channels.combined_count;
}

void Pnic::SetNetqueueInfo(const PnicNetqueueInfo& info) {
    if (info.stateChanged || info.pluginChanged || info.settingMask) LinuxHost::NoEquivalent("NetQueue load balancers");
    if (!info.txCountChanged && !info.rxCountChanged) return;
    auto channels = Channels(name_);
    // With combined channels only, a count sets them; otherwise the separate ones.
    const bool combined = channels.max_rx == 0 && channels.max_tx == 0;
    if (info.txCountChanged) (combined ? channels.combined_count : channels.tx_count) = info.txQueueCount;
    if (info.rxCountChanged) (combined ? channels.combined_count : channels.rx_count) = info.rxQueueCount;
    channels.cmd = ETHTOOL_SCHANNELS;
    LinuxHost::Ethtool(name_, &channels, "change the queue counts");
}

}  // namespace Network
}  // namespace Kavrel
