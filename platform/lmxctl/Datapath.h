// Switch ports and worlds as implementation objects commands construct themselves.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "kavrel/Address.h"
#include "kavrel/Datapath.h"

namespace LmxCtl {
namespace Network {

// One port of a switch, bound to the switch's name and the port's ID; every
// query but GetId reads the host and refuses a port that is gone.
class PortImpl {
public:
    static constexpr uint32_t PORT_TYPE_CLIENT = 3;  // a VM or host interface port
    static constexpr uint32_t PORT_TYPE_UPLINK = 4;  // a physical NIC's port

    PortImpl(const std::string& switchName, uint32_t portId);
    ~PortImpl();

    uint32_t GetId() const;
    uint32_t GetType() const;
    int64_t GetWorldLeader() const;  // 0 for a port no VM owns
    std::string GetPortGroupName() const;
    std::string GetDVPortID() const;  // empty on standard switches
    std::vector<Kavrel::Network::MacAddress> GetMacAddresses() const;
    Kavrel::Network::Ipv4Address GetPortClientIpv4Address() const;
    std::string GetSchedTeamUplink() const;  // empty while not scheduled
    void GetPacketStats(Kavrel::Network::PacketStats& stats) const;
    std::vector<std::unique_ptr<Kavrel::Network::FilterStats>> GetFilterStats() const;

private:
    std::string switchName_;
    uint32_t portId_;
};

}  // namespace Network

namespace Resource {

// A world of the host by its ID.
class WorldImpl {
public:
    explicit WorldImpl(int64_t worldId);
    ~WorldImpl();
    int64_t GetWorldId() const;
    // Refuses a world that does not exist.
    std::string GetWorldName() const;

private:
    int64_t worldId_;
};

}  // namespace Resource
}  // namespace LmxCtl
