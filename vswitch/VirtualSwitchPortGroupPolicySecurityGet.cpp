// network vswitch standard portgroup policy security get: a port group's effective security policy and its overrides.
#include "frame/CommandFrame.h"
#include "vswitch/VswitchCommands.h"
#include "vswitch/VswitchShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "PortGroupSecurityPolicy";
constexpr char kOverridePromiscuousField[] = "Override Vswitch Allow Promiscuous";
constexpr char kOverrideMacChangeField[] = "Override Vswitch Allow MAC Address Change";
constexpr char kOverrideForgedTransmitsField[] = "Override Vswitch Allow Forged Transmits";
}  // namespace

VirtualSwitchPortGroupPolicySecurityGet::VirtualSwitchPortGroupPolicySecurityGet() {
    SetDescription("Get the Security Policy governing the given port group. ");
    SetDefaultOutputFormatter("simple");
    SetDefaultOutputParameter("header:PortGroupSecurityPolicy", "<NONE>");
    SetDefaultOutputParameter("fields:PortGroupSecurityPolicy",
                              "Allow Promiscuous,Allow MAC Address Change,Allow Forged Transmits,Override Vswitch "
                              "Allow Promiscuous,Override Vswitch Allow MAC Address Change,Override Vswitch Allow "
                              "Forged Transmits");
}

std::shared_ptr<VirtualSwitchPortGroupPolicySecurityGet> VirtualSwitchPortGroupPolicySecurityGet::New() {
    return std::shared_ptr<VirtualSwitchPortGroupPolicySecurityGet>(new VirtualSwitchPortGroupPolicySecurityGet());
}

VirtualSwitchPortGroupPolicySecurityGet::~VirtualSwitchPortGroupPolicySecurityGet() = default;

RecordPtr VirtualSwitchPortGroupPolicySecurityGet::GetOutputStructure() {
    RecordTemplate layout(kRecordName);
    return SecurityFields(layout)
        .Bool(kOverridePromiscuousField)
        .Bool(kOverrideMacChangeField)
        .Bool(kOverrideForgedTransmitsField);
}

InputSpecPtr VirtualSwitchPortGroupPolicySecurityGet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPortgroupNameParameter, Parvik::CallSpec::PARAM_STRING, "p",
                 "The name of the port group to use when fetching the network security policy.", true);
    return spec;
}

OutputSpecPtr VirtualSwitchPortGroupPolicySecurityGet::GetOutputSpecInternal() {
    return MakeOutputSpec(GetOutputStructure());
}

void VirtualSwitchPortGroupPolicySecurityGet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    using Kavrel::Network::PortSecurityPolicy;
    WithStandardErrors(output, [&] {
        auto portgroup = FindPortGroup(input->GetParameter(kPortgroupNameParameter), output);
        if (!portgroup) return;
        PortSecurityPolicy effective = portgroup->GetEffectiveSecurityPolicy();
        PortSecurityPolicy override = portgroup->GetSecurityPolicy();
        auto record = GetOutputStructure();
        FillSecurityFields(record, effective);
        record->SetField(kOverridePromiscuousField, override.IsSet(PortSecurityPolicy::FIELD_PROMISCUOUS));
        record->SetField(kOverrideMacChangeField, override.IsSet(PortSecurityPolicy::FIELD_MAC_CHANGE));
        record->SetField(kOverrideForgedTransmitsField, override.IsSet(PortSecurityPolicy::FIELD_FORGED_TRANSMITS));
        output->SetRootObject(record);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
