// Lumex network interfaces as implementation objects commands construct themselves.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "kavrel/LmxNic.h"

namespace LmxCtl {
namespace Network {

// One interface of the host. Cached data is fetched on the first query after
// construction or after Refresh.
class LmxNicImpl : public Kavrel::Network::LmxNic {
public:
    // Throws Kavrel::Lib::KavrelException for a name the host does not know.
    explicit LmxNicImpl(const std::string& name);
    ~LmxNicImpl() override;

    bool IsStale() const { return stale_; }
    void Refresh();

    std::string GetInterfaceName() const override;
    std::string GetNetstackInstanceKey() const override;
    Kavrel::Network::IpConfig GetIpConfig() const override;
    Kavrel::Network::IpConfig GetConfiguredIpConfig() const override;

    // Changes; each refuses with Kavrel::Lib::KavrelException and writes nothing then.
    void Enable();
    void Disable();
    // MIN_MTU to MAX_MTU; 0 restores the host's default (1500).
    void SetMtu(int mtu);
    // Writes the whole configuration, live and configured.
    void SetIpConfig(Kavrel::Network::IpConfig config);
    // persistOnly false: the tag takes effect at once (the only way used here).
    void AddTag(Kavrel::Network::LmxNicTagType tag, bool persistOnly);
    void RemoveTag(Kavrel::Network::LmxNicTagType tag);
    // Removes the interface and releases its switch port.
    void Remove();

private:
    void Load() const;

    mutable bool stale_ = true;
    mutable std::string netstackKey_;
    mutable Kavrel::Network::IpConfig ipConfig_;
    mutable Kavrel::Network::IpConfig configuredIpConfig_;
};

// The interface inventory.
class LumexNicInfoImpl {
public:
    LumexNicInfoImpl();
    ~LumexNicInfoImpl();

    // kind: a Kavrel::Network::PortsetGetType. Interfaces in the host's order.
    std::vector<std::shared_ptr<LmxNicImpl>> GetLumexNics(int kind);
    std::vector<std::shared_ptr<LmxNicImpl>> GetLumexNicsByInstanceKey(const std::string& netstack, int kind);
    // None when no interface of that kind has the name (exact, case-sensitive).
    std::shared_ptr<LmxNicImpl> GetLumexNicByInterface(const std::string& name, bool refresh, int kind);
    void GetLmxnicNamesByInstanceKey(std::vector<std::string>& names, const std::string& netstack, int kind);
    std::vector<std::shared_ptr<LmxNicImpl>> GetLumexNicsByTag(Kavrel::Network::LmxNicTagType tag);

    // Creates an interface at the connection point, on an existing netstack.
    // A default (all-zero) MAC address gets a fresh locally administered one,
    // an empty name the lowest free lmxN, an MTU or queue count of 0 the host's
    // default. offloadFlags must be 0 (host defaults); system marks one of the
    // host's own interfaces. Refuses a duplicate name or MAC address, a port
    // group or distributed port that does not exist, and a port already in use.
    std::shared_ptr<LmxNicImpl> AddLumexNic(const Kavrel::Network::ConnectionPoint& point, const std::string& netstack,
                                            const Kavrel::Network::IpConfig& config,
                                            const Kavrel::Network::MacAddress& mac, int offloadFlags, int mtu,
                                            int numRxQueue, const std::string& name, bool system);
    // Removes the interface of that netstack attached at the connection point.
    void RemoveLumexNic(const Kavrel::Network::ConnectionPoint& point, const std::string& netstack);
};

// Tag names of the host's traffic kinds: 1 to 12. IdToName gives null for any
// other number; NameToId gives LMXNIC_TAG_UNKNOWN for a name it does not know.
constexpr Kavrel::Network::LmxNicTagType LMXNIC_TAG_UNKNOWN = 13;
const char* LmxNicTagIdToName(Kavrel::Network::LmxNicTagType tag);
Kavrel::Network::LmxNicTagType LmxNicTagNameToId(const std::string& name);

}  // namespace Network
}  // namespace LmxCtl
