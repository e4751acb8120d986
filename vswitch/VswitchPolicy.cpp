// The failover, security and shaping policies of the virtual switch
// commands: their parameters, how they apply to the host's policy objects,
// and the fields that show them.
#include <dlfcn.h>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <stdexcept>

#include "lmxctl/PnicImpl.h"
#include "parvik/Libraries.h"
#include "parvik/PluginHooks.h"
#include "vswitch/VswitchShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

using Kavrel::Network::LinkCriteriaSelectionPolicy;
using Kavrel::Network::NicTeamingPolicy;
using Kavrel::Network::PortSecurityPolicy;
using Kavrel::Network::ShapingPolicy;
using Parvik::CallSpec::PARAM_BOOLEAN;
using Parvik::CallSpec::PARAM_INTEGER;
using Parvik::CallSpec::PARAM_STRING;

namespace {

const char kUplinkTokenizerLibrary[] = TALIX_UPLINK_TOKENIZER;

constexpr char kLoadBalancingParameter[] = "load-balancing";
constexpr char kFailureDetectionParameter[] = "failure-detection";
constexpr char kNotifySwitchesParameter[] = "notify-switches";
constexpr char kFailbackParameter[] = "failback";
constexpr char kActiveUplinksParameter[] = "active-uplinks";
constexpr char kStandbyUplinksParameter[] = "standby-uplinks";
constexpr char kEnabledParameter[] = "enabled";
constexpr char kAvgBandwidthParameter[] = "avg-bandwidth";
constexpr char kPeakBandwidthParameter[] = "peak-bandwidth";
constexpr char kBurstSizeParameter[] = "burst-size";

const char kIphashHelp[] = "Route based on hashing the src and destination IP addresses";
const char kMacHelp[] = "Route based on the MAC address of the packet source.";
const char kPortidHelp[] = "Route based on the originating virtual port ID.";
const char kExplicitHelp[] =
    "Always use the highest order uplink from the list of active adapters which pass failover criteria.";

constexpr uint64_t kBitsPerKbit = 1000;
constexpr uint64_t kBytesPerKib = 128;

// value * factor, held at the largest value instead of wrapping; the host
// refuses what it cannot keep.
uint64_t Scaled(int64_t value, uint64_t factor) {
    auto unsignedValue = static_cast<uint64_t>(value);
    if (unsignedValue > std::numeric_limits<uint64_t>::max() / factor) return std::numeric_limits<uint64_t>::max();
    return unsignedValue * factor;
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The names of value that are physical NICs on the switch, in order; the
// others are reported with unknownPrefix or as not connected.
void AcceptUplinks(const std::string& value, const std::string& unknownPrefix, const OutputPtr& output,
                   const std::vector<std::string>& uplinks, std::vector<std::string>& accepted) {
    for (const auto& name : SplitUplinks(value)) {
        if (!LmxCtl::Network::PnicImpl::IsValidPnic(name)) {
            output->AddErrorMessage(unknownPrefix + name);
        } else if (!Contains(uplinks, name)) {
            output->AddErrorMessage("NIC is not connected to the vswitch : " + name);
        } else {
            accepted.push_back(name);
        }
    }
}
}  // namespace

void AddFailoverParameters(const InputSpecPtr& spec) {
    AddParameter(
        spec, kLoadBalancingParameter, PARAM_STRING, "l",
        "Set the load balancing policy for this policy. This can be one of the following options: "
        "%FULLENUM%",
        false,
        StringEnum({{"portid", kPortidHelp}, {"iphash", kIphashHelp}, {"mac", kMacHelp}, {"explicit", kExplicitHelp}}));
    AddParameter(spec, kFailureDetectionParameter, PARAM_STRING, "f",
                 "Set the method of determining how a network outage is detected. %FULLENUM%", false,
                 StringEnum({{"link", "Detect failures based on the NIC link state"},
                             {"beacon", "Detect failures based on active beaconing to the vswitch"}}));
    AddParameter(spec, kNotifySwitchesParameter, PARAM_BOOLEAN, "n",
                 "Indicate whether to send a notification to physical switches on failover", false);
    AddParameter(spec, kFailbackParameter, PARAM_BOOLEAN, "b",
                 "Configure whether a NIC will be used immediately when it comes back in service after a failover",
                 false);
    AddParameter(spec, kActiveUplinksParameter, PARAM_STRING, "a",
                 "Configure the list of active adapters and their failover order. This list must be a comma "
                 "seperated list of values with the uplink name and no spaces. Example:  "
                 "--active-uplinks=pnic0,pnic3,pnic7,pnic1",
                 false);
    AddParameter(spec, kStandbyUplinksParameter, PARAM_STRING, "s",
                 "Configure the list of standby adapters and their failover order. This list must be a comma "
                 "seperated list of values with the uplink name and no spaces. Example:  "
                 "--standby-uplinks=pnic2,pnic4,pnic8,pnic6,pnic11",
                 false);
}

void AddSecurityParameters(const InputSpecPtr& spec) {
    AddParameter(spec, kAllowPromiscuousParameter, PARAM_BOOLEAN, "o", kAllowPromiscuousDescription, false);
    AddParameter(spec, kAllowMacChangeParameter, PARAM_BOOLEAN, "m", kAllowMacChangeDescription, false);
    AddParameter(spec, kAllowForgedTransmitsParameter, PARAM_BOOLEAN, "f", kAllowForgedTransmitsDescription, false);
}

void AddShapingParameters(const InputSpecPtr& spec) {
    AddParameter(spec, kEnabledParameter, PARAM_BOOLEAN, "e",
                 "Indicate whether to enable traffic shaping on this policy. If this is true then the "
                 "--avg-bandwidth, --peak-bandwidth and --burst-size options are required.",
                 false);
    const int64_t maximum = std::numeric_limits<int64_t>::max();
    AddParameter(spec, kAvgBandwidthParameter, PARAM_INTEGER, "b",
                 "The averge bandwidth allowed for this shaping policy. This value is in Kbps (1 Kbps = 1000 "
                 "bits/s)",
                 false, IntRange(1, maximum));
    AddParameter(spec, kPeakBandwidthParameter, PARAM_INTEGER, "k",
                 "The peak bandwidth allowed for this shaping policy. This value is in Kbps (1 Kbps = 1000 "
                 "bits/s)",
                 false, IntRange(1, maximum));
    AddParameter(spec, kBurstSizeParameter, PARAM_INTEGER, "t",
                 "The largest burst size allowed for this shaping policy. This value is in Kib (1 Kib = 1024 bits)",
                 false, IntRange(1, maximum));
}

std::vector<std::string> SplitUplinks(const std::string& value) {
    using Tokenizer = decltype(&TalixSplitUplinks);
    // Loaded once, on the first uplink list any command splits.
    static const Tokenizer tokenize = [] {
        // Installed with the plug-in: in the library folder of the build tree
        // (../lib) or of an installed tree (..), seen from the plug-in's folder.
        void* library = Parvik::AutoCli::OpenLibraryBeside(reinterpret_cast<const void*>(&SplitUplinks),
                                                           kUplinkTokenizerLibrary, {"../lib/", "../", ""});
        return library ? TALIX_FIND_ENTRY(library, TalixSplitUplinks) : nullptr;
    }();
    if (!tokenize) {
        throw std::runtime_error(std::string("cannot load ") + kUplinkTokenizerLibrary + ": " +
                                 Parvik::AutoCli::TakeLoaderError());
    }
    std::vector<std::string> names;
    tokenize(&value, &names);
    return names;
}

void SetFailoverPolicy(const InputPtr& input, const OutputPtr& output, NicTeamingPolicy& target,
                       NicTeamingPolicy& current, const std::vector<std::string>& uplinks) {
    if (input->HasParameter(kLoadBalancingParameter)) {
        const std::string& word = input->GetParameter(kLoadBalancingParameter);
        if (word == "iphash") {
            target.SetTeamingPolicy(NicTeamingPolicy::TEAM_IPHASH);
        } else if (word == "mac") {
            target.SetTeamingPolicy(NicTeamingPolicy::TEAM_SRCMAC);
        } else if (word == "portid") {
            target.SetTeamingPolicy(NicTeamingPolicy::TEAM_SRCPORT);
        } else if (word == "explicit") {
            target.SetTeamingPolicy(NicTeamingPolicy::TEAM_EXPLICIT);
        } else {
            output->AddErrorMessage("Unknown Load Balancing policy: " + word);
        }
    }
    if (input->HasParameter(kFailureDetectionParameter)) {
        const std::string& word = input->GetParameter(kFailureDetectionParameter);
        LinkCriteriaSelectionPolicy criteria;
        if (word == "link") {
            criteria.SetBeacon(true);
        } else if (word == "beacon") {
            criteria.SetBeacon(false);
        } else {
            output->AddErrorMessage("Unknown failure detection type " + word);
        }
        target.SetLinkCriteria(criteria);
    }
    if (input->HasParameter(kNotifySwitchesParameter)) {
        target.SetNotifySwitchOnFailure(input->GetParameterBool(kNotifySwitchesParameter));
    }
    if (input->HasParameter(kFailbackParameter)) {
        target.SetRollingRestoration(!input->GetParameterBool(kFailbackParameter));
    }

    const bool hasActive = input->HasParameter(kActiveUplinksParameter);
    const bool hasStandby = input->HasParameter(kStandbyUplinksParameter);
    std::vector<std::string> order;
    if (hasActive) {
        AcceptUplinks(input->GetParameter(kActiveUplinksParameter), "Unknown NIC name in active uplinks : ", output,
                      uplinks, order);
        const auto activeCount = static_cast<uint32_t>(order.size());
        if (!hasStandby) {
            // The current standby adapters stay standby, minus those just made active.
            std::vector<std::string> previous = current.GetUplinkOrder();
            size_t position = std::min<size_t>(current.GetMaxActiveUplinks(), previous.size());
            const size_t firstStandby = position;
            while (position < previous.size()) {
                if (Contains(order, previous[position])) {
                    previous.erase(previous.begin() + static_cast<std::ptrdiff_t>(position));
                } else {
                    ++position;
                }
            }
            order.insert(order.end(), previous.begin() + static_cast<std::ptrdiff_t>(firstStandby), previous.end());
        }
        target.SetMaxActiveUplinks(activeCount);
        current.SetMaxActiveUplinks(activeCount);
    }
    if (hasStandby) {
        AcceptUplinks(input->GetParameter(kStandbyUplinksParameter), "Unknown NIC name in standby uplinks : ", output,
                      uplinks, order);
        if (!hasActive) {
            // The current active adapters stay active, minus those just made standby.
            std::vector<std::string> previous = current.GetUplinkOrder();
            size_t activeCount = std::min<size_t>(current.GetMaxActiveUplinks(), previous.size());
            size_t position = 0;
            while (position < activeCount) {
                if (Contains(order, previous[position])) {
                    previous.erase(previous.begin() + static_cast<std::ptrdiff_t>(position));
                    --activeCount;
                } else {
                    ++position;
                }
            }
            target.SetMaxActiveUplinks(static_cast<uint32_t>(activeCount));
            previous.resize(activeCount);
            previous.insert(previous.end(), order.begin(), order.end());
            order = previous;
        }
    }
    if (!hasActive && !hasStandby) return;

    std::vector<std::string> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) {
        output->AddErrorMessage("some NICs appear in the input for more than once.");
        return;
    }
    target.SetUplinkOrder(order);
}

void SetSecurityPolicy(const InputPtr& input, const OutputPtr&, PortSecurityPolicy& policy) {
    if (input->HasParameter(kAllowPromiscuousParameter)) {
        policy.SetAllowPromiscuous(input->GetParameterBool(kAllowPromiscuousParameter));
    }
    if (input->HasParameter(kAllowMacChangeParameter)) {
        policy.SetAllowMacAddressChange(input->GetParameterBool(kAllowMacChangeParameter));
    }
    if (input->HasParameter(kAllowForgedTransmitsParameter)) {
        policy.SetAllowForgedTransmits(input->GetParameterBool(kAllowForgedTransmitsParameter));
    }
}

void SetShapingPolicy(const InputPtr& input, const OutputPtr& output, ShapingPolicy& policy, bool requireAll) {
    const bool hasEnabled = input->HasParameter(kEnabledParameter);
    if (hasEnabled) policy.SetEnabled(input->GetParameterBool(kEnabledParameter));
    if (!policy.GetEnabled()) return;
    const bool strict = (hasEnabled && input->GetParameterBool(kEnabledParameter)) || requireAll;
    if (input->HasParameter(kAvgBandwidthParameter)) {
        policy.SetAverageBps(Scaled(input->GetParameterInt(kAvgBandwidthParameter), kBitsPerKbit));
    } else if (strict) {
        output->AddErrorMessage("Missing required parameter --avg-bandwidth");
    }
    if (input->HasParameter(kPeakBandwidthParameter)) {
        policy.SetPeakBps(Scaled(input->GetParameterInt(kPeakBandwidthParameter), kBitsPerKbit));
    } else if (strict) {
        output->AddErrorMessage("Missing required parameter --peak-bandwidth");
    }
    if (input->HasParameter(kBurstSizeParameter)) {
        policy.SetBurstSize(Scaled(input->GetParameterInt(kBurstSizeParameter), kBytesPerKib));
    } else if (strict) {
        output->AddErrorMessage("Missing required parameter --burst-size");
    }
}

std::string LoadBalancingName(uint32_t type) {
    switch (type) {
    case NicTeamingPolicy::TEAM_IPHASH: return "iphash";
    case NicTeamingPolicy::TEAM_SRCMAC: return "srcmac";
    case NicTeamingPolicy::TEAM_SRCPORT: return "srcport";
    case NicTeamingPolicy::TEAM_EXPLICIT: return "explicit";
    default: return "unknown";
    }
}

std::string FailureDetectionName(const LinkCriteriaSelectionPolicy& criteria) {
    const uint32_t beacon = LinkCriteriaSelectionPolicy::CRITERIA_BEACON;
    bool isBeacon = (criteria.GetCheckFlags() & beacon) != 0 && (criteria.GetSuppressFlags() & beacon) == 0;
    return isBeacon ? "beacon" : "link";
}

void FillFailoverFields(const RecordPtr& record, const NicTeamingPolicy& policy,
                        const std::vector<std::string>& switchUplinks) {
    const auto& order = policy.GetUplinkOrder();
    size_t activeCount = std::min<size_t>(policy.GetMaxActiveUplinks(), order.size());
    std::vector<std::string> active(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(activeCount));
    std::vector<std::string> standby(order.begin() + static_cast<std::ptrdiff_t>(activeCount), order.end());
    std::vector<std::string> unused;
    for (const auto& uplink : switchUplinks) {
        if (!Contains(order, uplink)) unused.push_back(uplink);
    }
    record->SetField(kLoadBalancingField, LoadBalancingName(policy.GetTeamingPolicy()));
    record->SetField(kFailureDetectionField, FailureDetectionName(policy.GetLinkCriteria()));
    record->SetField(kNotifySwitchesField, policy.GetNotifySwitchOnFailure());
    record->SetField(kFailbackField, !policy.GetRollingRestoration());
    record->SetField(kActiveAdaptersField, active);
    record->SetField(kStandbyAdaptersField, standby);
    record->SetField(kUnusedAdaptersField, unused);
}

void FillSecurityFields(const RecordPtr& record, const PortSecurityPolicy& policy) {
    record->SetField(kAllowPromiscuousField, policy.GetAllowPromiscuous());
    record->SetField(kAllowMacChangeField, policy.GetAllowMacAddressChange());
    record->SetField(kAllowForgedTransmitsField, policy.GetAllowForgedTransmits());
}

void FillShapingFields(const RecordPtr& record, const ShapingPolicy& policy) {
    const bool enabled = policy.GetEnabled();
    record->SetField(kShapingEnabledField, enabled);
    record->SetField(kAverageBandwidthField,
                     enabled ? static_cast<int64_t>(policy.GetAverageBps() / kBitsPerKbit) : int64_t{-1});
    record->SetField(kPeakBandwidthField,
                     enabled ? static_cast<int64_t>(policy.GetPeakBps() / kBitsPerKbit) : int64_t{-1});
    record->SetField(kBurstSizeField,
                     enabled ? static_cast<int64_t>(policy.GetBurstSize() / kBytesPerKib) : int64_t{-1});
}

RecordTemplate& FailoverFields(RecordTemplate& layout) {
    return layout.String(kLoadBalancingField)
        .String(kFailureDetectionField)
        .Bool(kNotifySwitchesField)
        .Bool(kFailbackField)
        .StringList(kActiveAdaptersField)
        .StringList(kStandbyAdaptersField)
        .StringList(kUnusedAdaptersField);
}

RecordTemplate& SecurityFields(RecordTemplate& layout) {
    return layout.Bool(kAllowPromiscuousField).Bool(kAllowMacChangeField).Bool(kAllowForgedTransmitsField);
}

RecordTemplate& ShapingFields(RecordTemplate& layout) {
    return layout.Bool(kShapingEnabledField).Int(kAverageBandwidthField).Int(kPeakBandwidthField).Int(kBurstSizeField);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
