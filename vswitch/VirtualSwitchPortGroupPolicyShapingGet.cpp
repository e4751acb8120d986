// network vswitch standard portgroup policy shaping get: a port group's effective shaping policy and its overrides.
#include "frame/CommandFrame.h"
#include "vswitch/VswitchCommands.h"
#include "vswitch/VswitchShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "PortGroupTrafficShapingPolicy";
constexpr char kOverrideEnabledField[] = "Override Vswitch Enabled";
constexpr char kOverrideAverageField[] = "Override Vswitch Average Bandwidth";
constexpr char kOverridePeakField[] = "Override Vswitch Peak Bandwidth";
constexpr char kOverrideBurstField[] = "Override Vswitch Burst Size";
}  // namespace

VirtualSwitchPortGroupPolicyShapingGet::VirtualSwitchPortGroupPolicyShapingGet() {
    SetDescription("Get the network shaping policy settings governing the given port group");
    SetDefaultOutputFormatter("simple");
    SetDefaultOutputParameter("header:PortGroupTrafficShapingPolicy", "<NONE>");
    SetDefaultOutputParameter("fields:PortGroupTrafficShapingPolicy",
                              "Enabled,Average Bandwidth,Peak Bandwidth,Burst Size,Override Vswitch Enabled,Override "
                              "Vswitch Average Bandwidth,Override Vswitch Peak Bandwidth,Override Vswitch Burst Size");
    SetDefaultOutputParameter("units:PortGroupTrafficShapingPolicy.Average Bandwidth", "Kbps");
    SetDefaultOutputParameter("units:PortGroupTrafficShapingPolicy.Peak Bandwidth", "Kbps");
    SetDefaultOutputParameter("units:PortGroupTrafficShapingPolicy.Burst Size", "Kib");
}

std::shared_ptr<VirtualSwitchPortGroupPolicyShapingGet> VirtualSwitchPortGroupPolicyShapingGet::New() {
    return std::shared_ptr<VirtualSwitchPortGroupPolicyShapingGet>(new VirtualSwitchPortGroupPolicyShapingGet());
}

VirtualSwitchPortGroupPolicyShapingGet::~VirtualSwitchPortGroupPolicyShapingGet() = default;

RecordPtr VirtualSwitchPortGroupPolicyShapingGet::GetOutputStructure() {
    RecordTemplate layout(kRecordName);
    return ShapingFields(layout)
        .Bool(kOverrideEnabledField)
        .Bool(kOverrideAverageField)
        .Bool(kOverridePeakField)
        .Bool(kOverrideBurstField);
}

InputSpecPtr VirtualSwitchPortGroupPolicyShapingGet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPortgroupNameParameter, Parvik::CallSpec::PARAM_STRING, "p",
                 "The name of the port group to use when fetching the port group shaping policy.", true);
    return spec;
}

OutputSpecPtr VirtualSwitchPortGroupPolicyShapingGet::GetOutputSpecInternal() {
    return MakeOutputSpec(GetOutputStructure());
}

void VirtualSwitchPortGroupPolicyShapingGet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    using Kavrel::Network::ShapingPolicy;
    WithStandardErrors(output, [&] {
        auto portgroup = FindPortGroup(input->GetParameter(kPortgroupNameParameter), output);
        if (!portgroup) return;
        ShapingPolicy effective = portgroup->GetEffectiveShapingPolicy();
        ShapingPolicy override = portgroup->GetShapingPolicy();
        auto record = GetOutputStructure();
        FillShapingFields(record, effective);
        record->SetField(kOverrideEnabledField, override.IsSet(ShapingPolicy::FIELD_ENABLED));
        record->SetField(kOverrideAverageField, override.IsSet(ShapingPolicy::FIELD_AVERAGE));
        record->SetField(kOverridePeakField, override.IsSet(ShapingPolicy::FIELD_PEAK));
        record->SetField(kOverrideBurstField, override.IsSet(ShapingPolicy::FIELD_BURST));
        output->SetRootObject(record);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
