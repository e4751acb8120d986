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
};

}  // namespace Network
}  // namespace LmxCtl
