// The host firewall: its kernel module, global switches and rulesets.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/ModelCodec.h"

namespace SimHost {

struct FirewallRuleModel {
    uint32_t portType = 1;  // 1 destination port, otherwise source port
    uint32_t portBegin = 0;
    uint32_t portEnd = 0;
    uint32_t direction = 0;  // 0 inbound, otherwise outbound
    uint32_t protocol = 0;   // 0 TCP, otherwise UDP
};
TALIX_MODEL(FirewallRuleModel, portType, portBegin, portEnd, direction, protocol)

struct FirewallRulesetModel {
    std::string id;
    bool enabled = false;
    bool allowedAll = true;
    bool enableDisableFixed = false;  // the enabled state must not be changed
    bool allowedIpFixed = false;      // the allowed-address setting must not be changed
    // Allowed sources in the order they were added, as the host prints them:
    // "a.b.c.d", "x::y", "a.b.c.d/len", "x::/len".
    std::vector<std::string> allowedIps;
    std::vector<FirewallRuleModel> rules;
    int64_t clients = 0;
};
TALIX_MODEL(FirewallRulesetModel, id, enabled, allowedAll, enableDisableFixed, allowedIpFixed, allowedIps, rules,
            clients)

struct FirewallModel {
    static constexpr const char* kSection = "firewall";
    std::string moduleName = "talixfw";
    bool moduleLoaded = true;
    // The host's administrator has disabled the module: only a forced load loads it.
    bool moduleDisabled = false;
    bool enabled = true;
    bool defaultActionPass = false;  // true: PASS, false: DROP
    // Whether the rulesets' filters are installed in the loaded module.
    bool rulesetsLoaded = true;
    std::vector<FirewallRulesetModel> rulesets;
};
TALIX_MODEL(FirewallModel, moduleName, moduleLoaded, moduleDisabled, enabled, defaultActionPass, rulesetsLoaded,
            rulesets)

}  // namespace SimHost
