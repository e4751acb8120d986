// Datapath state of the host: uplink port numbers, ENS logical cores, and the
// virtual functions of SR-IOV NICs with their counters.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/ModelCodec.h"
#include "kavrel/Datapath.h"

// A VF's counters are stored as the platform reports them, bound by name.
namespace Kavrel {
namespace Network {
TALIX_MODEL(SriovNicVFStats, rxUnicastPkts, rxUnicastBytes, rxMulticastPkts, rxMulticastBytes, rxBroadcastPkts,
            rxBroadcastBytes, rxOutOfBufferDrops, rxErrorDrops, rxLroPkts, rxLroBytes, txUnicastPkts, txUnicastBytes,
            txMulticastPkts, txMulticastBytes, txBroadcastPkts, txBroadcastBytes, txErrors, txDiscards, txTsoPkts,
            txTsoBytes)
}  // namespace Network
}  // namespace Kavrel

namespace SimHost {

// The switch port a physical NIC uses as an uplink.
struct UplinkPortModel {
    std::string pnic;
    uint32_t portId = 0;
};
TALIX_MODEL(UplinkPortModel, pnic, portId)

struct EnsLcoreModel {
    int64_t id = 0;
    std::string switchName = "null";  // "null": no switch
    int64_t affinity = 0;             // NUMA node
};
TALIX_MODEL(EnsLcoreModel, id, switchName, affinity)

struct DatapathState {
    static constexpr const char* kSection = "datapath";
    std::vector<UplinkPortModel> uplinkPorts;
    int64_t numaNodes = 2;
    int64_t maxLcores = 8;
    std::vector<EnsLcoreModel> lcores;
};
TALIX_MODEL(DatapathState, uplinkPorts, numaNodes, maxLcores, lcores)

struct VfModel {
    uint32_t id = 0;
    bool active = false;
    std::string pciAddress;
    std::string ownerWorldId;  // empty while no VM owns the VF
    Kavrel::Network::SriovNicVFStats stats;
};
TALIX_MODEL(VfModel, id, active, pciAddress, ownerWorldId, stats)

// The VFs enabled on one SR-IOV capable NIC (a NIC of "pnics" with maxVfs > 0).
struct SriovPfModel {
    std::string pnic;
    std::vector<VfModel> vfs;
};
TALIX_MODEL(SriovPfModel, pnic, vfs)

struct SriovState {
    static constexpr const char* kSection = "sriov";
    std::vector<SriovPfModel> pfs;
};
TALIX_MODEL(SriovState, pfs)

}  // namespace SimHost
