// The Linux host's NIC inventory and the NIC implementation object.
#include "core/Refusal.h"
#include "kavrel/Lib.h"
#include "kavrel/NetworkInfo.h"
#include "lmxctl/PnicImpl.h"
#include "nic/NicHost.h"

namespace Kavrel {
namespace Network {

// Every NIC has its driver loaded on Linux: a device exists only then.
std::vector<std::unique_ptr<Pnic>> NetworkInfo::GetPnics(int) {
    std::vector<std::unique_ptr<Pnic>> pnics;
    for (const auto& link : LinuxHost::AllLinks()) {
        if (LinuxHost::IsNicDevice(link.device))
            pnics.push_back(std::make_unique<LmxCtl::Network::PnicImpl>(link.device));
    }
    return pnics;
}

std::unique_ptr<Pnic> NetworkInfo::GetPnicByName(const std::string& name) {
    if (!LinuxHost::IsNicDevice(name)) return nullptr;
    return std::make_unique<LmxCtl::Network::PnicImpl>(name);
}

}  // namespace Network
}  // namespace Kavrel

namespace LmxCtl {
namespace Network {

PnicImpl::PnicImpl(const std::string& name) : Kavrel::Network::Pnic(name) { LinuxHost::RequireNic(name); }

PnicImpl::~PnicImpl() = default;

bool PnicImpl::IsValidPnic(const std::string& name) { return LinuxHost::IsNicDevice(name); }

void PnicImpl::GetPnicStats(Kavrel::Network::PnicStats& stats) const {
    const auto s = LinuxHost::ReadLink(name_).stats;
    stats = Kavrel::Network::PnicStats{};
    stats.txPackets = s.tx_packets;
    stats.rxPackets = s.rx_packets;
    stats.txBytes = s.tx_bytes;
    stats.rxBytes = s.rx_bytes;
    stats.txErrors = s.tx_errors;
    stats.rxErrors = s.rx_errors;
    stats.txDropped = s.tx_dropped;
    stats.rxDropped = s.rx_dropped;
    stats.rxMulticast = s.multicast;  // the kernel counts no broadcasts, nor multicasts sent
    stats.rxLengthErrors = s.rx_length_errors;
    stats.rxOverErrors = s.rx_over_errors;
    stats.rxCrcErrors = s.rx_crc_errors;
    stats.rxFrameErrors = s.rx_frame_errors;
    stats.rxFifoErrors = s.rx_fifo_errors;
    stats.rxMissedErrors = s.rx_missed_errors;
    stats.txAbortedErrors = s.tx_aborted_errors;
    stats.txFifoErrors = s.tx_fifo_errors;
    stats.txCarrierErrors = s.tx_carrier_errors;
    stats.txHeartbeatErrors = s.tx_heartbeat_errors;
    stats.txWindowErrors = s.tx_window_errors;
}

std::unique_ptr<PortImpl> PnicImpl::GetPort() const { LinuxHost::NotYetOnLinux("Virtual switch uplink ports"); }

// No capability list exists to name (GetHwCaps refuses).
std::string PnicImpl::GetHwCapName(uint8_t) { return "Unknown"; }

}  // namespace Network
}  // namespace LmxCtl
