// Switch policy value types: NIC teaming, security, shaping and NIC capabilities.
// Each policy carries a mask of the fields that are set; a port group's
// override policy sets only the fields that differ from its switch.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Kavrel {
namespace Network {

// How a failed uplink is detected. Two flag words: the criteria the switch
// checks, and the criteria that are suppressed again.
class LinkCriteriaSelectionPolicy {
public:
    static constexpr uint32_t CRITERIA_LINK_STATUS = 1;
    static constexpr uint32_t CRITERIA_BEACON = 16;

    LinkCriteriaSelectionPolicy();  // link status only
    LinkCriteriaSelectionPolicy(uint32_t checkFlags, uint32_t suppressFlags);

    // linkStateOnly true: beaconing is suppressed, only the link state counts;
    // false: failures are also detected by beacon probing.
    void SetBeacon(bool linkStateOnly);
    bool IsBeacon() const;

    uint32_t GetCheckFlags() const { return checkFlags_; }
    uint32_t GetSuppressFlags() const { return suppressFlags_; }

private:
    uint32_t checkFlags_;
    uint32_t suppressFlags_;
};

class NicTeamingPolicy {
public:
    enum TeamPolicyType {
        TEAM_IPHASH = 1,
        TEAM_SRCMAC = 2,
        TEAM_SRCPORT = 3,
        TEAM_EXPLICIT = 4,
    };
    // Bits of the field mask.
    static constexpr uint32_t FIELD_TEAMING = 1;
    static constexpr uint32_t FIELD_NOTIFY_SWITCHES = 4;
    static constexpr uint32_t FIELD_LINK_CRITERIA = 8;
    static constexpr uint32_t FIELD_UPLINKS = 16;  // uplink order and active count
    static constexpr uint32_t FIELD_ROLLING_RESTORATION = 32;
    static constexpr uint32_t FIELD_ALL = 1 | 4 | 8 | 16 | 32;

    NicTeamingPolicy();  // no field set
    static NicTeamingPolicy GetDefaultPolicy();

    void SetTeamingPolicy(TeamPolicyType type);
    void SetTeamingPolicyValue(uint32_t value);  // as stored, also unknown values
    uint32_t GetTeamingPolicy() const { return teaming_; }
    void SetLinkCriteria(const LinkCriteriaSelectionPolicy& criteria);
    const LinkCriteriaSelectionPolicy& GetLinkCriteria() const { return criteria_; }
    void SetNotifySwitchOnFailure(bool notify);
    bool GetNotifySwitchOnFailure() const { return notify_; }
    // Rolling restoration keeps a recovered NIC out of use: the negation of failback.
    void SetRollingRestoration(bool rolling);
    bool GetRollingRestoration() const { return rolling_; }
    void SetUplinkOrder(const std::vector<std::string>& order);
    const std::vector<std::string>& GetUplinkOrder() const { return order_; }
    void SetMaxActiveUplinks(uint32_t count);
    uint32_t GetMaxActiveUplinks() const { return maxActive_; }

    uint32_t GetMask() const { return mask_; }
    bool IsSet(uint32_t field) const { return (mask_ & field) != 0; }
    void UnsetAll() { mask_ = 0; }
    // Fields set in other replace this policy's values (and become set here).
    void Override(const NicTeamingPolicy& other);

private:
    uint32_t mask_ = 0;
    uint32_t teaming_ = TEAM_SRCPORT;
    LinkCriteriaSelectionPolicy criteria_;
    bool notify_ = true;
    bool rolling_ = false;
    std::vector<std::string> order_;
    uint32_t maxActive_ = 0;
};

class PortSecurityPolicy {
public:
    static constexpr uint32_t FIELD_PROMISCUOUS = 1;
    static constexpr uint32_t FIELD_MAC_CHANGE = 2;
    static constexpr uint32_t FIELD_FORGED_TRANSMITS = 4;
    static constexpr uint32_t FIELD_ALL = 7;

    PortSecurityPolicy();
    static PortSecurityPolicy GetDefaultPolicy();

    void SetAllowPromiscuous(bool allow);
    bool GetAllowPromiscuous() const { return promiscuous_; }
    void SetAllowMacAddressChange(bool allow);
    bool GetAllowMacAddressChange() const { return macChange_; }
    void SetAllowForgedTransmits(bool allow);
    bool GetAllowForgedTransmits() const { return forged_; }

    uint32_t GetMask() const { return mask_; }
    bool IsSet(uint32_t field) const { return (mask_ & field) != 0; }
    void UnsetAll() { mask_ = 0; }
    void Override(const PortSecurityPolicy& other);

private:
    uint32_t mask_ = 0;
    bool promiscuous_ = false;
    bool macChange_ = false;
    bool forged_ = false;
};

// Traffic shaping: bandwidths in bits per second, burst size in bytes.
class ShapingPolicy {
public:
    static constexpr uint32_t FIELD_PEAK = 1;
    static constexpr uint32_t FIELD_AVERAGE = 2;
    static constexpr uint32_t FIELD_BURST = 4;
    static constexpr uint32_t FIELD_ENABLED = 8;
    static constexpr uint32_t FIELD_ALL = 15;

    ShapingPolicy();
    static ShapingPolicy GetDefaultPolicy();  // disabled, no values

    void SetEnabled(bool enabled);
    bool GetEnabled() const { return enabled_; }
    void SetAverageBps(uint64_t bps);
    uint64_t GetAverageBps() const { return average_; }
    void SetPeakBps(uint64_t bps);
    uint64_t GetPeakBps() const { return peak_; }
    void SetBurstSize(uint64_t bytes);
    uint64_t GetBurstSize() const { return burst_; }

    uint32_t GetMask() const { return mask_; }
    bool IsSet(uint32_t field) const { return (mask_ & field) != 0; }
    void UnsetAll() { mask_ = 0; }
    void Override(const ShapingPolicy& other);

private:
    uint32_t mask_ = 0;
    bool enabled_ = false;
    uint64_t average_ = 0;
    uint64_t peak_ = 0;
    uint64_t burst_ = 0;
};

// Offloads a new switch offers its ports.
class NicCapabilities {
public:
    NicCapabilities();
    static NicCapabilities GetDefaultPolicy();

    bool tso = false;
    bool checksumOffload = false;
    bool scatterGather = false;
};

}  // namespace Network
}  // namespace Kavrel
