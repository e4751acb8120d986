// Policy value types: setters mark their field as set; Override merges field by field.
#include "kavrel/Policy.h"

namespace Kavrel {
namespace Network {

LinkCriteriaSelectionPolicy::LinkCriteriaSelectionPolicy() : checkFlags_(CRITERIA_LINK_STATUS), suppressFlags_(0) {}

LinkCriteriaSelectionPolicy::LinkCriteriaSelectionPolicy(uint32_t checkFlags, uint32_t suppressFlags)
    : checkFlags_(checkFlags), suppressFlags_(suppressFlags) {}

void LinkCriteriaSelectionPolicy::SetBeacon(bool linkStateOnly) {
    checkFlags_ = CRITERIA_LINK_STATUS | CRITERIA_BEACON;
    suppressFlags_ = linkStateOnly ? CRITERIA_BEACON : 0;
}

bool LinkCriteriaSelectionPolicy::IsBeacon() const {
    return (checkFlags_ & CRITERIA_BEACON) != 0 && (suppressFlags_ & CRITERIA_BEACON) == 0;
}

NicTeamingPolicy::NicTeamingPolicy() = default;

NicTeamingPolicy NicTeamingPolicy::GetDefaultPolicy() {
    NicTeamingPolicy policy;
    policy.SetTeamingPolicy(TEAM_SRCPORT);
    policy.SetLinkCriteria(LinkCriteriaSelectionPolicy());
    policy.SetNotifySwitchOnFailure(true);
    policy.SetRollingRestoration(false);
    policy.SetUplinkOrder({});
    policy.SetMaxActiveUplinks(0);
    return policy;
}

void NicTeamingPolicy::SetTeamingPolicy(TeamPolicyType type) { SetTeamingPolicyValue(static_cast<uint32_t>(type)); }

void NicTeamingPolicy::SetTeamingPolicyValue(uint32_t value) {
    teaming_ = value;
    mask_ |= FIELD_TEAMING;
}

void NicTeamingPolicy::SetLinkCriteria(const LinkCriteriaSelectionPolicy& criteria) {
    criteria_ = criteria;
    mask_ |= FIELD_LINK_CRITERIA;
}

void NicTeamingPolicy::SetNotifySwitchOnFailure(bool notify) {
    notify_ = notify;
    mask_ |= FIELD_NOTIFY_SWITCHES;
}

void NicTeamingPolicy::SetRollingRestoration(bool rolling) {
    rolling_ = rolling;
    mask_ |= FIELD_ROLLING_RESTORATION;
}

void NicTeamingPolicy::SetUplinkOrder(const std::vector<std::string>& order) {
    order_ = order;
    mask_ |= FIELD_UPLINKS;
}

void NicTeamingPolicy::SetMaxActiveUplinks(uint32_t count) {
    maxActive_ = count;
    mask_ |= FIELD_UPLINKS;
}

void NicTeamingPolicy::Override(const NicTeamingPolicy& other) {
    if (other.IsSet(FIELD_TEAMING)) SetTeamingPolicyValue(other.teaming_);
    if (other.IsSet(FIELD_LINK_CRITERIA)) SetLinkCriteria(other.criteria_);
    if (other.IsSet(FIELD_NOTIFY_SWITCHES)) SetNotifySwitchOnFailure(other.notify_);
    if (other.IsSet(FIELD_ROLLING_RESTORATION)) SetRollingRestoration(other.rolling_);
    if (other.IsSet(FIELD_UPLINKS)) {
        SetUplinkOrder(other.order_);
        SetMaxActiveUplinks(other.maxActive_);
    }
}

PortSecurityPolicy::PortSecurityPolicy() = default;

PortSecurityPolicy PortSecurityPolicy::GetDefaultPolicy() {
    PortSecurityPolicy policy;
    policy.SetAllowPromiscuous(false);
    policy.SetAllowMacAddressChange(true);
    policy.SetAllowForgedTransmits(true);
    return policy;
}

void PortSecurityPolicy::SetAllowPromiscuous(bool allow) {
    promiscuous_ = allow;
    mask_ |= FIELD_PROMISCUOUS;
}

void PortSecurityPolicy::SetAllowMacAddressChange(bool allow) {
    macChange_ = allow;
    mask_ |= FIELD_MAC_CHANGE;
}

void PortSecurityPolicy::SetAllowForgedTransmits(bool allow) {
    forged_ = allow;
    mask_ |= FIELD_FORGED_TRANSMITS;
}

void PortSecurityPolicy::Override(const PortSecurityPolicy& other) {
    if (other.IsSet(FIELD_PROMISCUOUS)) SetAllowPromiscuous(other.promiscuous_);
    if (other.IsSet(FIELD_MAC_CHANGE)) SetAllowMacAddressChange(other.macChange_);
    if (other.IsSet(FIELD_FORGED_TRANSMITS)) SetAllowForgedTransmits(other.forged_);
}

ShapingPolicy::ShapingPolicy() = default;

ShapingPolicy ShapingPolicy::GetDefaultPolicy() {
    ShapingPolicy policy;
    policy.SetEnabled(false);
    return policy;
}

void ShapingPolicy::SetEnabled(bool enabled) {
    enabled_ = enabled;
    mask_ |= FIELD_ENABLED;
}

void ShapingPolicy::SetAverageBps(uint64_t bps) {
    average_ = bps;
    mask_ |= FIELD_AVERAGE;
}

void ShapingPolicy::SetPeakBps(uint64_t bps) {
    peak_ = bps;
    mask_ |= FIELD_PEAK;
}

void ShapingPolicy::SetBurstSize(uint64_t bytes) {
    burst_ = bytes;
    mask_ |= FIELD_BURST;
}

void ShapingPolicy::Override(const ShapingPolicy& other) {
    if (other.IsSet(FIELD_ENABLED)) SetEnabled(other.enabled_);
    if (other.IsSet(FIELD_AVERAGE)) SetAverageBps(other.average_);
    if (other.IsSet(FIELD_PEAK)) SetPeakBps(other.peak_);
    if (other.IsSet(FIELD_BURST)) SetBurstSize(other.burst_);
}

NicCapabilities::NicCapabilities() = default;

NicCapabilities NicCapabilities::GetDefaultPolicy() {
    NicCapabilities capabilities;
    capabilities.tso = true;
    capabilities.checksumOffload = true;
    capabilities.scatterGather = true;
    return capabilities;
}

}  // namespace Network
}  // namespace Kavrel
