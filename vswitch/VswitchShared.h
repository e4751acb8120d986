// What the virtual switch commands share: parameter names, the policy
// parameters and their application, lookups with their messages, and the
// conversions between the host's values and the words shown to the user.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "frame/CommandFrame.h"
#include "kavrel/DVSwitch.h"
#include "kavrel/Policy.h"
#include "kavrel/Portset.h"

namespace NorvaleCli {
namespace NetworkNamespace {

constexpr char kVswitchNameParameter[] = "vswitch-name";
constexpr char kPortgroupNameParameter[] = "portgroup-name";
constexpr char kTypeParameter[] = "type";
constexpr char kUseVswitchParameter[] = "use-vswitch";
constexpr char kAllowPromiscuousParameter[] = "allow-promiscuous";
constexpr char kAllowMacChangeParameter[] = "allow-mac-change";
constexpr char kAllowForgedTransmitsParameter[] = "allow-forged-transmits";
constexpr char kUseVswitchDescription[] =
    "Reset all values for this policy to use parent virtual switch's settings instead of overriding the settings for "
    "the port group. Using this in conjunction with other settings will first reset all of the fields to use the "
    "virtual switch setting and then apply the other options after the reset.";
constexpr char kAllowPromiscuousDescription[] = "Allow ports on the virtual switch to enter promiscuous mode.";
constexpr char kAllowMacChangeDescription[] = "Allow ports on the virtual switch to change their MAC address.";
constexpr char kAllowForgedTransmitsDescription[] =
    "Allow ports on the virtual switch to send packets with forged source information.";

// Record fields the failover, security and shaping records share.
constexpr char kLoadBalancingField[] = "Load Balancing";
constexpr char kFailureDetectionField[] = "Network Failure Detection";
constexpr char kNotifySwitchesField[] = "Notify Switches";
constexpr char kFailbackField[] = "Failback";
constexpr char kActiveAdaptersField[] = "Active Adapters";
constexpr char kStandbyAdaptersField[] = "Standby Adapters";
constexpr char kUnusedAdaptersField[] = "Unused Adapters";
constexpr char kAllowPromiscuousField[] = "Allow Promiscuous";
constexpr char kAllowMacChangeField[] = "Allow MAC Address Change";
constexpr char kAllowForgedTransmitsField[] = "Allow Forged Transmits";
constexpr char kShapingEnabledField[] = "Enabled";
constexpr char kAverageBandwidthField[] = "Average Bandwidth";
constexpr char kPeakBandwidthField[] = "Peak Bandwidth";
constexpr char kBurstSizeField[] = "Burst Size";

// Fields both switch listings show, standard and distributed alike.
constexpr char kSwitchClassField[] = "Class";
constexpr char kSwitchNumPortsField[] = "Num Ports";
constexpr char kSwitchUsedPortsField[] = "Used Ports";
constexpr char kSwitchConfiguredPortsField[] = "Configured Ports";
constexpr char kSwitchMtuField[] = "MTU";

constexpr char kInvalidTypeMessage[] = "Invalid type value, should be 'system'.";

// Port group add and remove name a switch the host does not have.
inline std::string UnknownVirtualSwitchMessage(const std::string& name) {
    return "Unable to find a virtual switch with name " + name;
}

void AddFailoverParameters(const InputSpecPtr& spec);
void AddSecurityParameters(const InputSpecPtr& spec);
void AddShapingParameters(const InputSpecPtr& spec);

// Applies the failover parameters to target; current is the policy in force,
// uplinks the switch's uplink names. Problems are added to output and the
// walk goes on: the caller writes target back only when output holds none.
void SetFailoverPolicy(const InputPtr& input, const OutputPtr& output, Kavrel::Network::NicTeamingPolicy& target,
                       Kavrel::Network::NicTeamingPolicy& current, const std::vector<std::string>& uplinks);
void SetSecurityPolicy(const InputPtr& input, const OutputPtr& output, Kavrel::Network::PortSecurityPolicy& policy);
// requireAll: the three values must be given even when `enabled` is not.
void SetShapingPolicy(const InputPtr& input, const OutputPtr& output, Kavrel::Network::ShapingPolicy& policy,
                      bool requireAll);
// The names between commas, in order and untrimmed; no trailing empty name.
std::vector<std::string> SplitUplinks(const std::string& value);

// CDP status words by value, and back (an unknown word counts as "both").
std::string CdpStatusName(uint32_t value);
uint32_t CdpStatusValue(const std::string& word);

std::string LoadBalancingName(uint32_t type);
std::string FailureDetectionName(const Kavrel::Network::LinkCriteriaSelectionPolicy& criteria);

// Add the failover, security and shaping fields, in display order, to a
// policy record's layout; the Fill functions below set them.
RecordTemplate& FailoverFields(RecordTemplate& layout);
RecordTemplate& SecurityFields(RecordTemplate& layout);
RecordTemplate& ShapingFields(RecordTemplate& layout);
// Fills the seven failover fields from policy; unused adapters are the
// switch's uplinks that the policy's order does not name.
void FillFailoverFields(const RecordPtr& record, const Kavrel::Network::NicTeamingPolicy& policy,
                        const std::vector<std::string>& switchUplinks);
void FillSecurityFields(const RecordPtr& record, const Kavrel::Network::PortSecurityPolicy& policy);
// Bandwidths in Kbps and burst size in Kib; -1 for all three when disabled.
void FillShapingFields(const RecordPtr& record, const Kavrel::Network::ShapingPolicy& policy);

// Adds the class, the three port counts and the MTU to a switch listing's layout.
RecordTemplate& SwitchSizeFields(RecordTemplate& layout);
// Fills the fields SwitchSizeFields adds.
void FillSwitchSizeFields(const RecordPtr& record, const Kavrel::Network::Portset& vswitch);

// Port group add and remove: change(vswitch, port group name) on the standard
// switch named by vswitch-name, then success; an unknown switch is reported.
void ChangeSwitchPortGroups(const InputPtr& input, const OutputPtr& output,
                            const std::function<void(Kavrel::Network::Portset&, const std::string&)>& change);

// The standard switch named name, or none after adding "Unable to find a
// legacy virtual switch with the name <name>".
std::unique_ptr<Kavrel::Network::Portset> FindSwitch(const std::string& name, const OutputPtr& output);
// The port group named name, or none after adding "Unable to find a port
// group with the name <name>".
std::unique_ptr<Kavrel::Network::PortGroup> FindPortGroup(const std::string& name, const OutputPtr& output);

// Reads the optional `type` parameter into a PortsetGetType; false after
// adding the message when it is not "system".
bool ReadPortsetType(const InputPtr& input, const OutputPtr& output, int& type);

// The names of the host's physical NICs (sorted, so that each switch's
// uplinks are looked up in them by halving), and a switch's uplinks reduced to them.
std::vector<std::string> PhysicalNicNames();
std::vector<std::string> PhysicalUplinks(const std::vector<std::string>& uplinks,
                                         const std::vector<std::string>& nicNames);

// LACP: the switches a query covers, and the decoding of the host's numbers.
constexpr char kDvsParameter[] = "dvs";
constexpr char kDvsDescription[] = "The name of DVS to get configuration on";
// With a name, the one switch of that name (none when unknown); without, every
// distributed switch, opaque ones last. False after adding the message when
// the host has no distributed switch at all.
bool SelectLacpSwitches(const InputPtr& input, const OutputPtr& output,
                        std::vector<std::unique_ptr<Kavrel::Network::DVSwitch>>& switches);
// The optional `dvs` parameter, the only input of the LACP queries.
InputSpecPtr LacpInputSpec();
// The LACP query: addRows(dvswitch, list) adds each covered switch's rows in
// turn; a list left empty is reported with emptyMessage() instead of a result.
template <typename AddRows, typename EmptyMessage>
void ListLacpRows(const InputPtr& input, const OutputPtr& output, const RecordPtr& layout, AddRows&& addRows,
                  EmptyMessage&& emptyMessage) {
    WithStandardErrors(output, [&] {
        std::vector<std::unique_ptr<Kavrel::Network::DVSwitch>> switches;
        if (!SelectLacpSwitches(input, output, switches)) return;
        auto list = MakeRecordList(layout);
        for (const auto& dvswitch : switches) addRows(*dvswitch, *list);
        if (list->GetCount() == 0) {
            output->AddErrorMessage(emptyMessage());
            return;
        }
        output->SetRootObject(list);
    });
}
std::string LacpConfigModeName(uint32_t mode);
std::string LacpStatusModeName(uint32_t mode);
std::string LacpLoadBalanceName(uint32_t index);
// The abbreviation of every set state bit followed by ",", bit 0 first.
std::string LacpPortStateText(uint8_t state);
// Seconds as "HH:MM:SS", each field at least two digits.
std::string ConvertToHrsMinsAndSecs(uint32_t seconds);

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
