// Firewall rulesets: enabled state, allowed source addresses, port rules and clients.
#include <algorithm>
#include <limits>

#include "core/Faults.h"
#include "core/HostStore.h"
#include "core/StoredIndex.h"
#include "kavrel/Lib.h"
#include "kavrel/System.h"
#include "model/FirewallModel.h"

namespace Kavrel {
namespace System {

using Lib::KavrelException;
using SimHost::CheckFault;
using SimHost::FirewallModel;
using SimHost::FirewallRulesetModel;
using SimHost::HostStore;

namespace {

// The stored ruleset of that ID, or null: listings look up every ruleset by ID.
const FirewallRulesetModel* Find(const std::string& id) {
    return SimHost::StoredByName<FirewallModel, FirewallRulesetModel, &FirewallModel::rulesets,
                                 &FirewallRulesetModel::id>(id);
}

const FirewallRulesetModel& ExistingRuleset(const std::string& id) {
    const auto* ruleset = Find(id);
    if (!ruleset) throw KavrelException("Ruleset " + id + " does not exist");
    return *ruleset;
}

// Changes one ruleset and writes the firewall back.
template <typename Change>
void UpdateRuleset(const std::string& id, Change&& change) {
    HostStore::Instance().Update<FirewallModel>([&](FirewallModel& firewall) {
        auto found = std::find_if(firewall.rulesets.begin(), firewall.rulesets.end(),
                                  [&](const FirewallRulesetModel& ruleset) { return ruleset.id == id; });
        if (found == firewall.rulesets.end()) throw KavrelException("Ruleset " + id + " does not exist");
        change(*found);
    });
}

// The canonical text of an allowed address or network, or throws. Networks
// are kept with their host bits cleared, so "10.1.2.3/8" and "10.0.0.0/8" are
// the same entry.
std::string CanonicalAllowedIp(const std::string& text) {
    using namespace Kavrel::Network;
    if (Ipv4Address::IsValidAddress(text)) return Ipv4Address(text).GetStringAddress();
    if (Ipv6Address::IsValidAddress(text)) return Ipv6Address(text).GetStringAddress();
    if (Ipv4Network::IsValidNetwork(text)) return Ipv4Network(text).GetStringAddress();
    if (Ipv6Network::IsValidAddressAndNetmask(text)) {
        Ipv6Network network(text);
        auto bytes = network.GetAddress().GetBytes();
        const auto mask = Ipv6Network::NetmaskFromNumber(network.GetNetmask()).GetBytes();
        for (size_t i = 0; i < bytes.size(); ++i) bytes[i] &= mask[i];
        return Ipv6Network(Ipv6Address(bytes), network.GetNetmask()).GetStringAddress();
    }
    throw KavrelException("Invalid ip address or range: '" + text + "'");
}

// The stored entry equal to canonical, comparing stored entries in their
// canonical form too (a hand-edited state file may hold other spellings).
std::vector<std::string>::iterator FindAllowedIp(std::vector<std::string>& list, const std::string& canonical) {
    return std::find_if(list.begin(), list.end(), [&](const std::string& entry) {
        try {
            return CanonicalAllowedIp(entry) == canonical;
        } catch (const KavrelException&) {
            return false;
        }
    });
}

void RequireAllowedIpChangeable(const FirewallRulesetModel& ruleset) {
    if (ruleset.allowedIpFixed) {
        throw KavrelException("The allowed ip list of ruleset " + ruleset.id + " cannot be changed");
    }
}

void RequireEnabledChangeable(const FirewallRulesetModel& ruleset) {
    if (ruleset.enableDisableFixed) {
        throw KavrelException("The enabled state of ruleset " + ruleset.id + " cannot be changed");
    }
}

}  // namespace

FirewallRuleset::FirewallRuleset(const std::string& rulesetId) : rulesetId_(rulesetId) {}
FirewallRuleset::~FirewallRuleset() = default;

bool FirewallRuleset::IsValid() const {
    CheckFault("FirewallRuleset::IsValid");
    return Find(rulesetId_) != nullptr;
}

std::string FirewallRuleset::GetRulesetId() const {
    CheckFault("FirewallRuleset::GetRulesetId");
    return rulesetId_;
}

bool FirewallRuleset::IsEnabled() const {
    CheckFault("FirewallRuleset::IsEnabled");
    return ExistingRuleset(rulesetId_).enabled;
}

void FirewallRuleset::Enable() {
    CheckFault("FirewallRuleset::Enable");
    UpdateRuleset(rulesetId_, [](FirewallRulesetModel& ruleset) {
        RequireEnabledChangeable(ruleset);
        ruleset.enabled = true;
    });
}

void FirewallRuleset::Disable() {
    CheckFault("FirewallRuleset::Disable");
    UpdateRuleset(rulesetId_, [](FirewallRulesetModel& ruleset) {
        RequireEnabledChangeable(ruleset);
        ruleset.enabled = false;
    });
}

bool FirewallRuleset::IsAllowedAll() const {
    CheckFault("FirewallRuleset::IsAllowedAll");
    return ExistingRuleset(rulesetId_).allowedAll;
}

void FirewallRuleset::SetAllowedAll(bool allowedAll) {
    CheckFault("FirewallRuleset::SetAllowedAll");
    UpdateRuleset(rulesetId_, [&](FirewallRulesetModel& ruleset) {
        RequireAllowedIpChangeable(ruleset);
        ruleset.allowedAll = allowedAll;
    });
}

FirewallAllowedIps FirewallRuleset::GetAllowedIps() const {
    CheckFault("FirewallRuleset::GetAllowedIps");
    using namespace Kavrel::Network;
    FirewallAllowedIps allowed;
    for (const auto& text : ExistingRuleset(rulesetId_).allowedIps) {
        if (Ipv4Address::IsValidAddress(text)) {
            allowed.ipv4Addresses.emplace_back(text);
        } else if (Ipv6Address::IsValidAddress(text)) {
            allowed.ipv6Addresses.emplace_back(text);
        } else if (Ipv4Network::IsValidNetwork(text)) {
            allowed.ipv4Networks.emplace_back(text);
        } else if (Ipv6Network::IsValidAddressAndNetmask(text)) {
            allowed.ipv6Networks.emplace_back(CanonicalAllowedIp(text));
        }
    }
    return allowed;
}

void FirewallRuleset::AddAllowedIp(const std::string& addressOrNetwork) {
    CheckFault("FirewallRuleset::AddAllowedIp");
    std::string canonical = CanonicalAllowedIp(addressOrNetwork);
    UpdateRuleset(rulesetId_, [&](FirewallRulesetModel& ruleset) {
        RequireAllowedIpChangeable(ruleset);
        auto& list = ruleset.allowedIps;
        if (FindAllowedIp(list, canonical) != list.end()) {
            throw KavrelException("Ip address " + canonical + " is already allowed in ruleset " + ruleset.id);
        }
        list.push_back(canonical);
    });
}

void FirewallRuleset::RemoveAllowedIp(const std::string& addressOrNetwork) {
    CheckFault("FirewallRuleset::RemoveAllowedIp");
    std::string canonical = CanonicalAllowedIp(addressOrNetwork);
    UpdateRuleset(rulesetId_, [&](FirewallRulesetModel& ruleset) {
        RequireAllowedIpChangeable(ruleset);
        auto& list = ruleset.allowedIps;
        auto found = FindAllowedIp(list, canonical);
        if (found == list.end()) {
            throw KavrelException("Ip address " + canonical + " is not in the allowed list of ruleset " + ruleset.id);
        }
        list.erase(found);
    });
}

std::vector<FirewallPortRule> FirewallRuleset::GetRules() const {
    CheckFault("FirewallRuleset::GetRules");
    std::vector<FirewallPortRule> rules;
    for (const auto& rule : ExistingRuleset(rulesetId_).rules) {
        rules.push_back({rule.portType, rule.portBegin, rule.portEnd, rule.direction, rule.protocol});
    }
    return rules;
}

int64_t FirewallRuleset::GetClientCount() const {
    CheckFault("FirewallRuleset::GetClientCount");
    return ExistingRuleset(rulesetId_).clients;
}

void FirewallRuleset::AddClient() {
    CheckFault("FirewallRuleset::AddClient");
    UpdateRuleset(rulesetId_, [](FirewallRulesetModel& ruleset) {
        if (ruleset.clients == std::numeric_limits<int64_t>::max()) {
            throw KavrelException("Ruleset " + ruleset.id +
                                  " already has the largest number of clients it can count (" +
                                  std::to_string(ruleset.clients) + ").");
        }
        ++ruleset.clients;
        // A ruleset whose enabled state is fixed keeps it; the count still follows.
        if (!ruleset.enableDisableFixed) ruleset.enabled = true;
    });
}

void FirewallRuleset::RemoveClient() {
    CheckFault("FirewallRuleset::RemoveClient");
    UpdateRuleset(rulesetId_, [](FirewallRulesetModel& ruleset) {
        if (ruleset.clients <= 0) throw KavrelException("Ruleset " + ruleset.id + " has no clients to remove");
        if (--ruleset.clients == 0 && !ruleset.enableDisableFixed) ruleset.enabled = false;
    });
}

bool FirewallRuleset::CheckConfigurable(int kind, int) const {
    CheckFault("FirewallRuleset::CheckConfigurable");
    const auto& ruleset = ExistingRuleset(rulesetId_);
    switch (kind) {
    case 0: RequireEnabledChangeable(ruleset); break;
    case 1: RequireAllowedIpChangeable(ruleset); break;
    default: throw KavrelException("Unknown ruleset setting " + std::to_string(kind));
    }
    return true;
}

bool FirewallRuleset::IsEnableDisableFixed() const {
    CheckFault("FirewallRuleset::IsEnableDisableFixed");
    return ExistingRuleset(rulesetId_).enableDisableFixed;
}

bool FirewallRuleset::IsAllowedIpFixed() const {
    CheckFault("FirewallRuleset::IsAllowedIpFixed");
    return ExistingRuleset(rulesetId_).allowedIpFixed;
}

}  // namespace System
}  // namespace Kavrel
