// Lumex network interfaces (lmxnics) as the host-control library presents them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "kavrel/Address.h"
#include "kavrel/DVSwitch.h"
#include "kavrel/IpConfig.h"

namespace Kavrel {
namespace Network {

// A traffic tag on an interface; 1 to 12 are valid tags.
using LmxNicTagType = int;

// Where an interface is attached.
enum ConnectionPointType {
    CONNECTION_POINT_NONE = 0,
    CONNECTION_POINT_PORTGROUP = 1,
    CONNECTION_POINT_DVPORT = 2,
    CONNECTION_POINT_OPAQUE_NETWORK = 3,
};

// Where a new interface is attached, or an existing one is looked for: a port
// group of a standard switch or a port of a distributed switch.
class ConnectionPoint {
public:
    virtual ~ConnectionPoint();
    virtual int GetConnectionPointType() const = 0;  // a ConnectionPointType
    // Whether the host has the port group or distributed port it names.
    virtual bool IsValid() const = 0;
};

// An opaque network, only ever read.
struct OpaqueNetworkParam {
    std::string networkId;
    std::string networkType;
    std::string externalId;
};

// One interface, bound to its name; every query reads the host.
class LmxNic {
public:
    static const int MIN_MTU;
    static const int MAX_MTU;

    explicit LmxNic(const std::string& name);
    virtual ~LmxNic();

    virtual std::string GetInterfaceName() const;
    virtual std::string GetNetstackInstanceKey() const;
    virtual MacAddress GetMacAddress() const;
    virtual int GetMtu() const;
    virtual int GetTsoMss() const;
    virtual int GetNumRxQueue() const;
    virtual bool IsEnabled() const;
    // The live configuration, and the one the host keeps across restarts.
    virtual IpConfig GetIpConfig() const;
    virtual IpConfig GetConfiguredIpConfig() const;
    virtual std::vector<LmxNicTagType> GetTags() const;

    // The connection point: its type, and the details of that type.
    virtual int GetConnectionPointType() const;  // a ConnectionPointType
    virtual std::string GetPortsetName() const;  // empty when none
    virtual std::string GetPortgroupName() const;
    virtual DVPortParam GetDVPortParam() const;
    virtual OpaqueNetworkParam GetOpaqueNetworkParam() const;
    virtual bool HasPort() const;
    virtual int64_t GetPortId() const;

protected:
    std::string name_;
};

}  // namespace Network
}  // namespace Kavrel
