// Value types of the host's IP stacks: netstack instances, sockets and neighbour entries.
#pragma once

#include <cstdint>
#include <string>

#include "kavrel/Address.h"

namespace Kavrel {
namespace Network {

// The state value of an instance that exists in the kernel.
constexpr int NETSTACK_STATE_ENABLED = 0x1234;

// One TCP/IP stack instance of the host kernel.
class NetstackInstance {
public:
    virtual ~NetstackInstance();

    virtual std::string GetKey() const = 0;
    virtual std::string GetName() const = 0;
    virtual int GetState() const = 0;
    virtual int GetMaxConnections() const = 0;
    virtual int GetCurrentMaxConnections() const = 0;
    virtual std::string GetCongestionControlAlgorithm() const = 0;
    virtual bool GetIpv6Enabled() const = 0;
    virtual bool GetCurrentIpv6Enabled() const = 0;
    virtual std::string GetEcnStatus() const = 0;

    // Each setter but the ECN one takes a final flag: apply to the host at once.
    virtual void SetName(const std::string& name, bool apply) = 0;
    virtual void Enable(bool apply) = 0;
    virtual void Disable(bool apply) = 0;
    virtual void SetMaxConnections(int maxConnections, bool apply) = 0;
    virtual void SetCongestionControlAlgorithm(const std::string& algorithm, bool apply) = 0;
    virtual void SetIpv6Enabled(bool enabled, bool apply) = 0;
    virtual void SetEcnStatus(const std::string& status) = 0;
};

// One socket of a netstack.
struct TcpIpConnection {
    std::string protocol;  // "tcp", "udp", "ip", ...
    int64_t recvQ = 0;
    int64_t sendQ = 0;
    std::string localAddress;
    int localPort = 0;
    std::string foreignAddress;
    int foreignPort = 0;
    int state = 0;  // TCP state number, 0 to 10
    std::string ccAlgorithm;
    int64_t worldId = 0;
};

// One ARP entry.
struct Ipv4Neighbor {
    Ipv4Address address;
    std::string macAddress;
    std::string interfaceName;
    int64_t expiry = 0;  // seconds
};

// One IPv6 neighbour-cache entry.
struct Ipv6Neighbor {
    Ipv6Address address;
    std::string macAddress;
    std::string interfaceName;
    int64_t expiry = 0;  // seconds
};

}  // namespace Network
}  // namespace Kavrel
