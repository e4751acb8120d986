// Datapath state of the host: uplink port numbers, ENS logical cores, and the
// virtual functions of SR-IOV NICs with their counters.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/ModelCodec.h"

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
    int64_t affinity = 0;              // NUMA node
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

struct VfStatsModel {
    uint64_t rxUnicastPkts = 0;
    uint64_t rxUnicastBytes = 0;
    uint64_t rxMulticastPkts = 0;
    uint64_t rxMulticastBytes = 0;
    uint64_t rxBroadcastPkts = 0;
    uint64_t rxBroadcastBytes = 0;
    uint64_t rxOutOfBufferDrops = 0;
    uint64_t rxErrorDrops = 0;
    uint64_t rxLroPkts = 0;
    uint64_t rxLroBytes = 0;
    uint64_t txUnicastPkts = 0;
    uint64_t txUnicastBytes = 0;
    uint64_t txMulticastPkts = 0;
    uint64_t txMulticastBytes = 0;
    uint64_t txBroadcastPkts = 0;
    uint64_t txBroadcastBytes = 0;
    uint64_t txErrors = 0;
    uint64_t txDiscards = 0;
    uint64_t txTsoPkts = 0;
    uint64_t txTsoBytes = 0;
};
TALIX_MODEL(VfStatsModel, rxUnicastPkts, rxUnicastBytes, rxMulticastPkts,
                                                rxMulticastBytes, rxBroadcastPkts, rxBroadcastBytes,
                                                rxOutOfBufferDrops, rxErrorDrops, rxLroPkts, rxLroBytes,
                                                txUnicastPkts, txUnicastBytes, txMulticastPkts, txMulticastBytes,
                                                txBroadcastPkts, txBroadcastBytes, txErrors, txDiscards, txTsoPkts,
                                                txTsoBytes)

struct VfModel {
    uint32_t id = 0;
    bool active = false;
    std::string pciAddress;
    std::string ownerWorldId;  // empty while no VM owns the VF
    VfStatsModel stats;
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
