// network vswitch standard portgroup policy failover get: a port group's effective teaming policy and its overrides.
#include "frame/CommandFrame.h"
#include "vswitch/VswitchCommands.h"
#include "vswitch/VswitchShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "PortGroupFailoverPolicy";
constexpr char kOverrideLoadBalancingField[] = "Override Vswitch Load Balancing";
constexpr char kOverrideFailureDetectionField[] = "Override Vswitch Network Failure Detection";
constexpr char kOverrideNotifySwitchesField[] = "Override Vswitch Notify Switches";
constexpr char kOverrideFailbackField[] = "Override Vswitch Failback";
constexpr char kOverrideUplinksField[] = "Override Vswitch Uplinks";
}  // namespace

VirtualSwitchPortGroupPolicyFailoverGet::VirtualSwitchPortGroupPolicyFailoverGet() {
    SetDescription("Get the network failover policy settings governing the given port group");
    SetDefaultOutputFormatter("simple");
    SetDefaultOutputParameter("header:PortGroupFailoverPolicy", "<NONE>");
    SetDefaultOutputParameter(
        "fields:PortGroupFailoverPolicy",
        "Load Balancing,Network Failure Detection,Notify Switches,Failback,Active Adapters,Standby Adapters,Unused "
        "Adapters,Override Vswitch Load Balancing,Override Vswitch Network Failure Detection,Override Vswitch Notify "
        "Switches,Override Vswitch Failback,Override Vswitch Uplinks");
}

std::shared_ptr<VirtualSwitchPortGroupPolicyFailoverGet> VirtualSwitchPortGroupPolicyFailoverGet::New() {
    return std::shared_ptr<VirtualSwitchPortGroupPolicyFailoverGet>(new VirtualSwitchPortGroupPolicyFailoverGet());
}

VirtualSwitchPortGroupPolicyFailoverGet::~VirtualSwitchPortGroupPolicyFailoverGet() = default;

RecordPtr VirtualSwitchPortGroupPolicyFailoverGet::GetOutputStructure() {
    RecordTemplate layout(kRecordName);
    return FailoverFields(layout)
        .Bool(kOverrideLoadBalancingField)
        .Bool(kOverrideFailureDetectionField)
        .Bool(kOverrideNotifySwitchesField)
        .Bool(kOverrideFailbackField)
        .Bool(kOverrideUplinksField);
}

InputSpecPtr VirtualSwitchPortGroupPolicyFailoverGet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPortgroupNameParameter, Parvik::CallSpec::PARAM_STRING, "p",
                 "The name of the port group to use when fetching the port group failover policy.", true);
    return spec;
}

OutputSpecPtr VirtualSwitchPortGroupPolicyFailoverGet::GetOutputSpecInternal() {
    return MakeOutputSpec(GetOutputStructure());
}

void VirtualSwitchPortGroupPolicyFailoverGet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    using Kavrel::Network::NicTeamingPolicy;
    WithStandardErrors(output, [&] {
        auto portgroup = FindPortGroup(input->GetParameter(kPortgroupNameParameter), output);
        if (!portgroup) return;
        NicTeamingPolicy effective = portgroup->GetEffectiveTeamingPolicy();
        NicTeamingPolicy override = portgroup->GetTeamingPolicy();
        auto vswitch = portgroup->GetVirtualSwitch();
        auto record = GetOutputStructure();
        FillFailoverFields(record, effective, vswitch->GetUplinks());
        record->SetField(kOverrideLoadBalancingField, override.IsSet(NicTeamingPolicy::FIELD_TEAMING));
        record->SetField(kOverrideFailureDetectionField, override.IsSet(NicTeamingPolicy::FIELD_LINK_CRITERIA));
        record->SetField(kOverrideNotifySwitchesField, override.IsSet(NicTeamingPolicy::FIELD_NOTIFY_SWITCHES));
        record->SetField(kOverrideFailbackField, override.IsSet(NicTeamingPolicy::FIELD_ROLLING_RESTORATION));
        record->SetField(kOverrideUplinksField, override.IsSet(NicTeamingPolicy::FIELD_UPLINKS));
        output->SetRootObject(record);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
