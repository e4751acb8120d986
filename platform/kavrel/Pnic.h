// Physical NICs as the host-control library presents them, with the value
// records their settings travel in.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "kavrel/Address.h"

namespace Kavrel {
namespace Network {

// Which NICs an inventory query returns.
enum PnicGetType {
    PNIC_GET_ALL = 0,
    PNIC_GET_LOADED = 1,  // NICs whose driver is loaded
};

// Port (cable) types of PnicInfo.
enum PnicPortType : uint32_t {
    PNIC_PORT_TP = 0,
    PNIC_PORT_AUI = 1,
    PNIC_PORT_BNC = 2,
    PNIC_PORT_MII = 3,
    PNIC_PORT_FIBRE = 4,
    PNIC_PORT_DA = 5,
    PNIC_PORT_BACKPLANE = 6,
};

// Wake-on types of PnicInfo.
enum PnicWakeOnType : uint32_t {
    PNIC_WAKE_PHY = 0,
    PNIC_WAKE_UNICAST = 1,
    PNIC_WAKE_MULTICAST = 2,
    PNIC_WAKE_BROADCAST = 3,
    PNIC_WAKE_ARP = 4,
    PNIC_WAKE_MAGIC = 5,
    PNIC_WAKE_MAGIC_SECURE = 6,
    PNIC_WAKE_UNSUPPORTED = 7,
    PNIC_WAKE_DISABLED = 8,
};

// One link mode: speed in Mbps (0 auto), duplex (0 auto, 1 full, 2 half) and
// an index into the media names.
struct PnicLinkMode {
    int32_t speed = 0;
    int32_t duplex = 0;
    int32_t media = 0;
};

// The generic settings of a NIC. SetPnicInfo applies only the settings whose
// change flag is set.
struct PnicInfo {
    std::vector<uint32_t> supportedPorts;
    bool supportsAutoNegotiation = false;
    std::vector<PnicLinkMode> advertisedLinkModes;
    bool advertisedAutoNegotiation = false;
    bool portChanged = false;
    bool phyAddressChanged = false;
    bool virtualAddressChanged = false;
    bool transceiverChanged = false;
    uint32_t port = 0;
    int32_t phyAddress = 0;
    uint32_t transceiver = 0;  // 0 internal, 1 external
    bool autoNegotiation = false;
    bool wakeOnChanged = false;
    bool supportsWakeOn = false;
    std::vector<uint32_t> wakeOnModes;
    bool messageLevelChanged = false;
    bool supportsMessageLevel = false;
    uint32_t messageLevel = 0;
    std::string virtualAddress;
    std::string linkStatus;
};

struct PnicDriverInfo {
    std::string driver;
    std::string version;
    std::string firmwareVersion;
    std::string busInfo;
};

// Flow control. Resolutions: 0 not available, 1 pause on, 2 pause off.
struct PnicPauseParams {
    bool supported = false;
    bool autoNegotiation = false;
    bool rx = false;
    bool tx = false;
    uint32_t rxResolution = 0;
    uint32_t txResolution = 0;
};

// Descriptor ring sizes; the mask says which sizes SetRingParams applies.
struct PnicRingParams {
    enum : uint8_t { RX = 1, RX_MINI = 2, RX_JUMBO = 4, TX = 8 };
    uint8_t mask = 0;
    uint32_t rx = 0;
    uint32_t rxMini = 0;
    uint32_t rxJumbo = 0;
    uint32_t tx = 0;
};

// Interrupt coalescing, read and written whole.
struct PnicCoalesceParams {
    bool adaptiveRx = false;
    bool adaptiveTx = false;
    uint32_t statsBlockUsecs = 0;
    uint32_t sampleInterval = 0;  // seconds
    uint32_t pktRateLow = 0;      // packets per second
    uint32_t pktRateHigh = 0;
    uint32_t rxUsecs = 0;
    uint32_t rxMaxFrames = 0;
    uint32_t rxUsecsIrq = 0;
    uint32_t rxMaxFramesIrq = 0;
    uint32_t txUsecs = 0;
    uint32_t txMaxFrames = 0;
    uint32_t txUsecsIrq = 0;
    uint32_t txMaxFramesIrq = 0;
    uint32_t rxUsecsLow = 0;
    uint32_t rxMaxFramesLow = 0;
    uint32_t txUsecsLow = 0;
    uint32_t txMaxFramesLow = 0;
    uint32_t rxUsecsHigh = 0;
    uint32_t rxMaxFramesHigh = 0;
    uint32_t txUsecsHigh = 0;
    uint32_t txMaxFramesHigh = 0;
};

// Hardware offloads; the mask says which SetOffloadSettings applies.
struct PnicOffloadSettings {
    enum : uint8_t { RX_CSO = 1, TX_CSO = 2, SG = 4, TSO = 8 };
    uint8_t mask = 0;
    bool rxChecksum = false;
    bool txChecksum = false;
    bool scatterGather = false;
    bool tso = false;
    std::string note;
};

// Offloads the kernel simulates in software; the mask says which to apply.
struct PnicSoftwareSettings {
    enum : uint32_t {
        IPV4_CSO = 0x1,
        IPV4_TSO = 0x2,
        SG = 0x4,
        OBO = 0x8,
        VXLAN_ENCAP = 0x10,
        IPV6_TSO = 0x20,
        IPV6_TSO_EXT = 0x40,
        IPV6_CSO = 0x80,
        IPV6_CSO_EXT = 0x100,
        HIGH_DMA = 0x200,
        SG_SPAN_PAGES = 0x400,
        VLAN_TAGGING = 0x800,
        VLAN_UNTAGGING = 0x1000,
        GENEVE_OFFLOAD = 0x2000,
    };
    uint32_t mask = 0;
    bool ipv4Cso = false;
    bool ipv4Tso = false;
    bool scatterGather = false;
    bool offsetBasedOffload = false;
    bool vxlanEncap = false;
    bool ipv6Tso = false;
    bool ipv6TsoExt = false;
    bool ipv6Cso = false;
    bool ipv6CsoExt = false;
    bool highDma = false;
    bool scatterGatherSpanPages = false;
    bool vlanTagging = false;
    bool vlanUntagging = false;
    bool geneveOffload = false;
};

// Traffic and error counters, 39 64-bit words.
struct PnicStats {
    uint64_t txPackets = 0;
    uint64_t rxPackets = 0;
    uint64_t txBytes = 0;
    uint64_t rxBytes = 0;
    uint64_t txErrors = 0;
    uint64_t rxErrors = 0;
    uint64_t txDropped = 0;
    uint64_t rxDropped = 0;
    uint64_t rxMulticast = 0;
    uint64_t rxBroadcast = 0;
    uint64_t txMulticast = 0;
    uint64_t txBroadcast = 0;
    uint64_t rxLengthErrors = 0;
    uint64_t rxOverErrors = 0;
    uint64_t rxCrcErrors = 0;
    uint64_t rxFrameErrors = 0;
    uint64_t rxFifoErrors = 0;
    uint64_t rxMissedErrors = 0;
    uint64_t txAbortedErrors = 0;
    uint64_t txFifoErrors = 0;
    uint64_t txCarrierErrors = 0;
    uint64_t txHeartbeatErrors = 0;
    uint64_t txWindowErrors = 0;
    uint64_t reserved[16] = {};
};

// One NetQueue balancer plugin: module, plugin and description.
struct PnicNetqueuePluginInfo {
    std::string moduleName;
    std::string pluginName;
    std::string description;
};

// A NIC's NetQueue configuration. SetNetqueueInfo applies the queue counts,
// balancer state and plugin entries whose change flag is set, and the load
// balancer settings whose bit is set in the setting mask.
struct PnicNetqueueInfo {
    // Load balancer settings: mask bits, and indexes into the flag arrays.
    enum Setting : uint32_t {
        RXQ_PAIR = 0,
        RXQ_NO_FEATURE,
        RXQ_PREEMPTIBLE,
        RXQ_LATENCY,
        RX_DYNAMIC_LB,
        DYNAMIC_POOL_LB,
        MAC_LEARN_LB,
        RSS_LB,
        LRO_LB,
        GENEVE_OAM_LB,
        RSS_LRO_LB,
        SETTING_COUNT,
    };
    enum FilterClass : uint32_t {
        FILTER_MAC_ONLY = 0,
        FILTER_VLAN_ONLY,
        FILTER_VLAN_MAC,
        FILTER_VXLAN,
        FILTER_GENEVE,
        FILTER_GENERIC_ENCAP,
        FILTER_CLASS_COUNT,
    };
    static constexpr uint32_t SettingBit(uint32_t setting) { return 1u << setting; }

    uint32_t settingMask = 0;
    uint32_t txQueueCount = 0;
    uint32_t rxQueueCount = 0;
    bool txCountChanged = false;
    bool rxCountChanged = false;
    bool stateChanged = false;
    bool pluginChanged = false;
    bool balancerEnabled = false;
    bool pluginEnable = false;
    bool settingAllowed[SETTING_COUNT] = {};
    bool settingSupported[SETTING_COUNT] = {};
    bool filterClass[FILTER_CLASS_COUNT] = {};
    std::vector<PnicNetqueuePluginInfo> plugins;
    // The enabled plugins; on a change, the plugins to enable or disable.
    std::vector<PnicNetqueuePluginInfo> enabledPlugins;
};

// Result of a driver self test; info texts describe the single checks.
struct PnicSelfTestResult {
    bool failed = false;
    std::vector<std::string> info;
};

// Hardware capabilities: bit i stands for capability i.
struct PnicHwCaps {
    uint64_t supported = 0;
    uint64_t activated = 0;
};

// A branch uplink attached to a trunk uplink under a VLAN ID.
struct PnicAttachment {
    std::string branch;
    int16_t vlanId = 0;
};

// The PCI function behind a NIC.
class PciDevice {
public:
    PciDevice(std::string address, std::string vendorName, std::string deviceName);
    virtual ~PciDevice();
    virtual std::string GetAddress() const;
    virtual std::string GetVendorName() const;
    virtual std::string GetDeviceName() const;

private:
    std::string address_;
    std::string vendorName_;
    std::string deviceName_;
};

// One physical NIC, bound to its name; every query reads the host.
class Pnic {
public:
    explicit Pnic(const std::string& name);
    virtual ~Pnic();

    virtual std::string GetName() const;
    virtual std::string GetDriverName() const;
    virtual MacAddress GetMacAddress() const;
    virtual uint32_t GetMtu() const;
    virtual bool IsLinkUp();
    virtual bool GetLinkStatus() const;
    virtual bool GetAdminStatus() const;
    virtual uint32_t GetSpeed() const;   // Mbps
    virtual uint32_t GetDuplex() const;  // 1 full, otherwise half

    // None for a NIC without a PCI function.
    virtual std::unique_ptr<PciDevice> GetPciDevice() const;
    // "kind:vendor:device" for a NIC without a PCI function.
    virtual std::string GetDeviceDescription() const;

    virtual void GetPnicInfo(PnicInfo& info) const;
    virtual void SetPnicInfo(const PnicInfo& info);
    virtual void GetDriverInfo(PnicDriverInfo& info) const;
    // speed 0 and duplex 0: auto-negotiate; duplex 1 full, 2 half.
    virtual void SetSpeedDuplex(uint32_t speed, uint32_t duplex);
    virtual void SetAdminStatus(bool up);

    virtual void GetPauseParams(PnicPauseParams& params) const;
    virtual void SetPauseParams(const PnicPauseParams& params);
    virtual void GetRingParams(PnicRingParams& preset, PnicRingParams& current) const;
    virtual void SetRingParams(const PnicRingParams& params);
    virtual void GetCoalesceParams(PnicCoalesceParams& params) const;
    virtual void SetCoalesceParams(const PnicCoalesceParams& params);
    virtual void GetOffloadSettings(PnicOffloadSettings& settings) const;
    virtual void SetOffloadSettings(const PnicOffloadSettings& settings);
    virtual void GetSoftwareSettings(PnicSoftwareSettings& settings) const;
    virtual void SetSoftwareSettings(const PnicSoftwareSettings& settings);

    // NetQueue configuration.
    virtual void GetNetqueueInfo(PnicNetqueueInfo& info) const;
    virtual void SetNetqueueInfo(const PnicNetqueueInfo& info);

    // Diagnostics: register words, EEPROM bytes (length 0: up to the end), self test.
    virtual void GetRegisterDump(std::vector<uint32_t>& words) const;
    virtual void GetEepromDump(std::vector<uint8_t>& bytes, uint32_t length, uint32_t offset) const;
    // Writes one double word (little-endian) at offset.
    virtual void SetEepromValue(uint32_t magic, uint32_t offset, uint32_t value);
    // Writes the file's bytes from offset 0; the path is relative to the current directory.
    virtual void SetEepromFromFile(uint32_t magic, const std::string& fileName);
    virtual void RunSelfTest(PnicSelfTestResult& result, bool online);
    virtual void RestartNegotiation();

    // Hardware capabilities and uplink attachments (this NIC as the trunk).
    virtual void GetHwCaps(PnicHwCaps& caps) const;
    virtual void AttachBranch(const std::string& branch, int16_t vlanId);
    virtual void DetachBranch(const std::string& branch);
    virtual std::vector<PnicAttachment> GetAttachments() const;

protected:
    std::string name_;
};

}  // namespace Network
}  // namespace Kavrel
