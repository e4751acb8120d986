// Physical NICs of the host: identity, link, and everything their drivers report.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/ModelCodec.h"
#include "kavrel/Dcb.h"
#include "kavrel/Pnic.h"

// The driver's counters and the DCB application entries are stored as the
// platform reports them, bound by name (the counters' reserved words are not kept).
namespace Kavrel {
namespace Network {
TALIX_MODEL(PnicStats, rxPackets, txPackets, rxBytes, txBytes, rxDropped, txDropped, rxMulticast, rxBroadcast,
            txMulticast, txBroadcast, rxErrors, rxLengthErrors, rxOverErrors, rxCrcErrors, rxFrameErrors, rxFifoErrors,
            rxMissedErrors, txErrors, txAbortedErrors, txCarrierErrors, txFifoErrors, txHeartbeatErrors, txWindowErrors)
TALIX_MODEL(DcbAppInfo, appType, protocolId, userPriority)
// The offloads simulated in software are stored as the platform's settings;
// the mask belongs to a set call and is not stored.
TALIX_MODEL(PnicSoftwareSettings, ipv4Cso, ipv4Tso, scatterGather, offsetBasedOffload, vxlanEncap, ipv6Tso, ipv6TsoExt,
            ipv6Cso, ipv6CsoExt, highDma, scatterGatherSpanPages, vlanTagging, vlanUntagging, geneveOffload)
}  // namespace Network
}  // namespace Kavrel

namespace SimHost {

// A speed/duplex/media combination the NIC can run (duplex 1 full, 2 half).
struct PnicLinkModeModel {
    int32_t speed = 1000;
    int32_t duplex = 1;
    int32_t media = 2;  // index into the media names; 2 is BaseT
};
TALIX_MODEL(PnicLinkModeModel, speed, duplex, media)

struct PnicPauseModel {
    bool supported = true;
    bool autoNegotiation = true;
    bool rx = true;
    bool tx = true;
    bool partnerPause = true;  // the link partner advertises pause
};
TALIX_MODEL(PnicPauseModel, supported, autoNegotiation, rx, tx, partnerPause)

struct PnicRingModel {
    uint32_t rx = 1024;
    uint32_t rxMini = 0;
    uint32_t rxJumbo = 0;
    uint32_t tx = 1024;
};
TALIX_MODEL(PnicRingModel, rx, rxMini, rxJumbo, tx)

// Interrupt coalescing: the platform's struct, of which the host keeps the
// fields bound here (not the statistics block or the per-interrupt values),
// and whether the NIC supports coalescing at all.
struct PnicCoalesceModel : Kavrel::Network::PnicCoalesceParams {
    PnicCoalesceModel() {
        sampleInterval = 1;
        rxUsecs = 3;
    }
    bool supported = true;
};
TALIX_MODEL(PnicCoalesceModel, supported, adaptiveRx, adaptiveTx, sampleInterval, pktRateLow, pktRateHigh, rxUsecs,
            rxMaxFrames, txUsecs, txMaxFrames, rxUsecsLow, rxMaxFramesLow, txUsecsLow, txMaxFramesLow, rxUsecsHigh,
            rxMaxFramesHigh, txUsecsHigh, txMaxFramesHigh)

// Hardware offloads: what the NIC can do, or what is on.
struct PnicOffloadModel {
    bool rxChecksum = true;
    bool txChecksum = true;
    bool scatterGather = true;
    bool tso = true;
};
TALIX_MODEL(PnicOffloadModel, rxChecksum, txChecksum, scatterGather, tso)

// One NetQueue balancer plugin a NIC offers.
struct PnicNetqueuePluginModel {
    std::string module;
    std::string plugin;
    std::string description;
    bool enabled = false;
};
TALIX_MODEL(PnicNetqueuePluginModel, module, plugin, description, enabled)

// NetQueue: queue counts, the load balancer and the filter classes. The two
// setting masks use bit i for load balancer setting i (0x1 RxQPair ... 0x400 RSSLRO).
struct PnicNetqueueModel {
    uint32_t txQueues = 1;
    uint32_t rxQueues = 1;
    uint32_t maxTxQueues = 8;
    uint32_t maxRxQueues = 8;
    bool balancerEnabled = true;
    uint32_t settingsSupported = 0x3;
    uint32_t settingsAllowed = 0x3;
    bool macOnly = true;
    bool vlanOnly = false;
    bool vlanMac = false;
    bool vxlan = false;
    bool geneve = false;
    bool genericEncap = false;
    std::vector<PnicNetqueuePluginModel> plugins;
};
TALIX_MODEL(PnicNetqueueModel, txQueues, rxQueues, maxTxQueues, maxRxQueues, balancerEnabled, settingsSupported,
            settingsAllowed, macOnly, vlanOnly, vlanMac, vxlan, geneve, genericEncap, plugins)

// One check of the driver self test; onlineSafe checks also run in an online test.
struct PnicSelfTestCheckModel {
    std::string name;
    bool onlineSafe = false;
    bool passes = true;
};
TALIX_MODEL(PnicSelfTestCheckModel, name, onlineSafe, passes)

// A branch uplink attached to this NIC as its trunk.
struct PnicAttachmentModel {
    std::string branch;
    int32_t vlanId = 0;
};
TALIX_MODEL(PnicAttachmentModel, branch, vlanId)

struct PnicDcbCapabilitiesModel {
    bool priorityGroup = false;
    bool priorityFlowControl = false;
    bool upToTcMap = false;
    uint32_t pgTrafficClasses = 0;
    uint32_t pfcTrafficClasses = 0;
};
TALIX_MODEL(PnicDcbCapabilitiesModel, priorityGroup, priorityFlowControl, upToTcMap, pgTrafficClasses,
            pfcTrafficClasses)

// IEEE ETS configuration; each array has one entry per traffic class (missing entries read 0).
struct PnicDcbEtsModel {
    uint32_t willing = 0;
    uint32_t supportedCapacity = 0;
    std::string creditBasedShaper = "No";
    std::vector<uint32_t> txBandwidth;
    std::vector<uint32_t> rxBandwidth;
    std::vector<uint32_t> tsaTable;
    std::vector<uint32_t> priorityAssignment;
    std::vector<uint32_t> recommendedBandwidth;
    std::vector<uint32_t> recommendedTsa;
    std::vector<uint32_t> recommendedPriority;
};
TALIX_MODEL(PnicDcbEtsModel, willing, supportedCapacity, creditBasedShaper, txBandwidth, rxBandwidth, tsaTable,
            priorityAssignment, recommendedBandwidth, recommendedTsa, recommendedPriority)

struct PnicDcbPfcModel {
    uint32_t trafficClasses = 0;
    uint32_t pfcMask = 0;
    uint32_t macsecBypass = 0;
    uint32_t delay = 0;
    std::vector<uint32_t> sentFrames;
    std::vector<uint32_t> receivedFrames;
};
TALIX_MODEL(PnicDcbPfcModel, trafficClasses, pfcMask, macsecBypass, delay, sentFrames, receivedFrames)

// Data Center Bridging state (mode 0 unknown, 1 CEN, 2 CEE, 3 IEEE).
struct PnicDcbModel {
    uint32_t mode = 0;
    bool enabled = false;
    bool pfcEnabled = false;
    PnicDcbCapabilitiesModel capabilities;
    uint32_t pfcConfig = 0;
    PnicDcbEtsModel ets;
    PnicDcbPfcModel pfc;
    std::vector<Kavrel::Network::DcbAppInfo> apps;
};
TALIX_MODEL(PnicDcbModel, mode, enabled, pfcEnabled, capabilities, pfcConfig, ets, pfc, apps)

struct PnicModel {
    std::string name;  // "pnic0"
    std::string driver;
    bool driverLoaded = true;
    std::string pciAddress;  // empty: no PCI function (a pseudo NIC)
    std::string macAddress = "00:00:00:00:00:00";
    uint32_t mtu = 1500;
    bool linkUp = true;     // cable detected
    bool adminUp = true;    // administratively up
    uint32_t speed = 1000;  // Mbps
    uint32_t duplex = 1;    // 1 full, 2 half

    // Identity of the device and its driver.
    std::string vendorName;   // PCI vendor
    std::string deviceName;   // PCI device
    std::string description;  // a pseudo NIC's "kind:vendor:device"
    std::string driverVersion;
    std::string firmwareVersion;
    uint32_t maxVfs = 0;  // SR-IOV virtual functions the device offers; 0 when not capable

    // Generic settings.
    std::vector<uint32_t> supportedPorts = {0};
    uint32_t port = 0;
    int32_t phyAddress = 0;
    uint32_t transceiver = 0;  // 0 internal, 1 external
    std::string virtualAddress;
    bool supportsAutoNegotiation = true;
    bool autoNegotiation = true;
    std::vector<PnicLinkModeModel> linkModes = {{10, 2, 2}, {10, 1, 2}, {100, 2, 2}, {100, 1, 2}, {1000, 1, 2}};
    bool supportsWakeOn = false;
    std::vector<uint32_t> wakeOnSupported;  // modes the NIC can wake on
    std::vector<uint32_t> wakeOn;           // modes enabled
    bool supportsMessageLevel = false;
    uint32_t messageLevel = 0;

    PnicPauseModel pause;
    PnicRingModel ringMax = {4096, 0, 0, 4096};
    PnicRingModel ring;
    PnicCoalesceModel coalesce;
    PnicOffloadModel offloadCapable;
    PnicOffloadModel offload;
    Kavrel::Network::PnicSoftwareSettings software;  // offloads simulated in software; mask unused
    Kavrel::Network::PnicStats stats;

    // NetQueue, diagnostics, capabilities, attachments, DCB.
    PnicNetqueueModel netqueue;
    std::vector<uint32_t> registers;
    std::vector<uint32_t> eeprom;  // bytes, 0 to 255 each
    uint32_t eepromMagic = 0;
    bool supportsSelfTest = true;
    std::vector<PnicSelfTestCheckModel> selfTests;
    uint32_t negotiationRestarts = 0;
    uint64_t hwCapsSupported = 0;
    uint64_t hwCapsActivated = 0;
    std::vector<PnicAttachmentModel> attachments;
    PnicDcbModel dcb;
};
TALIX_MODEL(PnicModel, name, driver, driverLoaded, pciAddress, macAddress, mtu, linkUp, adminUp, speed, duplex,
            vendorName, deviceName, description, driverVersion, firmwareVersion, maxVfs, supportedPorts, port,
            phyAddress, transceiver, virtualAddress, supportsAutoNegotiation, autoNegotiation, linkModes,
            supportsWakeOn, wakeOnSupported, wakeOn, supportsMessageLevel, messageLevel, pause, ringMax, ring, coalesce,
            offloadCapable, offload, software, stats, netqueue, registers, eeprom, eepromMagic, supportsSelfTest,
            selfTests, negotiationRestarts, hwCapsSupported, hwCapsActivated, attachments, dcb)

struct PnicInventory {
    static constexpr const char* kSection = "pnics";
    std::vector<PnicModel> pnics;
};
TALIX_MODEL(PnicInventory, pnics)

// The NIC of that name, or null.
inline const PnicModel* FindPnic(const PnicInventory& inventory, const std::string& name) {
    for (const auto& pnic : inventory.pnics) {
        if (pnic.name == name) return &pnic;
    }
    return nullptr;
}

inline PnicModel* FindPnic(PnicInventory& inventory, const std::string& name) {
    for (auto& pnic : inventory.pnics) {
        if (pnic.name == name) return &pnic;
    }
    return nullptr;
}

}  // namespace SimHost
