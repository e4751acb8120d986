// Host-wide system objects: the firewall and its rulesets.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "kavrel/Address.h"

namespace Kavrel {
namespace System {

// The source addresses a ruleset lets through, by family and kind.
struct FirewallAllowedIps {
    std::vector<Network::Ipv4Address> ipv4Addresses;
    std::vector<Network::Ipv4Network> ipv4Networks;
    std::vector<Network::Ipv6Address> ipv6Addresses;
    std::vector<Network::Ipv6Network> ipv6Networks;
};

struct FirewallPortRule {
    uint32_t portType = 1;   // 1 destination port, otherwise source port
    uint32_t portBegin = 0;  // first port of the range
    uint32_t portEnd = 0;    // last port of the range
    uint32_t direction = 0;  // 0 inbound, otherwise outbound
    uint32_t protocol = 0;   // 0 TCP, otherwise UDP
};

// One ruleset, bound to the id it was looked up by; IsValid tells whether
// that id names an existing ruleset. Every operation reads or changes the host.
class FirewallRuleset {
public:
    explicit FirewallRuleset(const std::string& rulesetId);
    virtual ~FirewallRuleset();

    virtual bool IsValid() const;
    virtual std::string GetRulesetId() const;
    virtual bool IsEnabled() const;
    virtual void Enable();
    virtual void Disable();
    virtual bool IsAllowedAll() const;
    virtual void SetAllowedAll(bool allowedAll);
    virtual FirewallAllowedIps GetAllowedIps() const;
    virtual void AddAllowedIp(const std::string& addressOrNetwork);
    virtual void RemoveAllowedIp(const std::string& addressOrNetwork);
    virtual std::vector<FirewallPortRule> GetRules() const;
    virtual int64_t GetClientCount() const;
    virtual void AddClient();
    virtual void RemoveClient();
    // kind 1: the allowed-address setting, 0: the enabled state. Throws when
    // the ruleset marks that setting fixed.
    virtual bool CheckConfigurable(int kind, int flag) const;
    virtual bool IsEnableDisableFixed() const;
    virtual bool IsAllowedIpFixed() const;

private:
    std::string rulesetId_;
};

// The system information object handed out by the host.
class SystemInfo {
public:
    virtual ~SystemInfo();
    virtual std::vector<std::unique_ptr<FirewallRuleset>> GetFirewallRulesets() = 0;
    virtual std::unique_ptr<FirewallRuleset> GetFirewallRulesetById(const std::string& rulesetId) = 0;
};

}  // namespace System
}  // namespace Kavrel
