// Datapath values of the host-control library: port and filter counters, the
// interface inventory with multicast memberships, SR-IOV NICs and their VFs.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "kavrel/Pnic.h"

namespace Kavrel {
namespace Network {

// Packet counters of one switch port.
struct PacketStats {
    uint64_t rxPackets = 0;
    uint64_t txPackets = 0;
    uint64_t rxBytes = 0;
    uint64_t txBytes = 0;
    uint64_t rxBroadcast = 0;
    uint64_t txBroadcast = 0;
    uint64_t rxMulticast = 0;
    uint64_t txMulticast = 0;
    uint64_t rxDropped = 0;
    uint64_t txDropped = 0;
};

// One datapath filter attached to a port.
struct FilterStats {
    std::string name;
    std::string sortName;  // orders the filters of one direction
    bool active = false;
    bool direction = false;  // set: the filter sits on the switch side of the port
    bool extended = false;   // the counters after "dropped" are kept
    uint64_t pktsIn = 0;
    uint64_t pktsOut = 0;
    uint64_t pktsDropped = 0;
    uint64_t pktsFiltered = 0;
    uint64_t pktsFaulted = 0;
    uint64_t pktsQueued = 0;
    uint64_t pktsInjected = 0;
    uint64_t pktErrors = 0;
};

// One multicast group an interface has joined.
struct MulticastMembership {
    std::string interfaceName;
    std::string group;
    std::string linkLayer;
    int32_t refcount = 0;
};

// A network interface of the host as the interface inventory lists it.
class NetInterface {
public:
    explicit NetInterface(const std::string& name);
    virtual ~NetInterface();
    virtual std::string GetName() const;
    virtual std::vector<MulticastMembership> GetMulticastMemberships() const;

private:
    std::string name_;
};

class InterfaceInventory {
public:
    enum Selector { INTERFACES_ALL = 0 };
    virtual ~InterfaceInventory();
    virtual std::vector<std::unique_ptr<NetInterface>> GetInterfaces(int selector);
};

// An SR-IOV capable physical NIC (a physical function).
class SriovNic : public Pnic {
public:
    explicit SriovNic(const std::string& name);
    ~SriovNic() override;
};

struct SriovNicVFInfo {
    uint32_t vfId = 0;
    bool active = false;
    std::string pciAddress;
    std::string ownerWorldId;
};

// Counters of one VF, in the order the driver reports them.
struct SriovNicVFStats {
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

}  // namespace Network
}  // namespace Kavrel
