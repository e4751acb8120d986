// network vswitch standard policy shaping get: a standard switch's traffic shaping policy.
#include "frame/CommandFrame.h"
#include "vswitch/VswitchCommands.h"
#include "vswitch/VswitchShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "VirtualSwitchTrafficShapingPolicy";
}  // namespace

VirtualSwitchStandardPolicyShapingGet::VirtualSwitchStandardPolicyShapingGet() {
    SetDescription("Get the shaping policy settings for the given virtual switch");
    SetDefaultOutputFormatter("simple");
    SetDefaultOutputParameter("header:VirtualSwitchTrafficShapingPolicy", "<NONE>");
    SetDefaultOutputParameter("fields:VirtualSwitchTrafficShapingPolicy",
                              "Enabled,Average Bandwidth,Peak Bandwidth,Burst Size");
    SetDefaultOutputParameter("units:VirtualSwitchTrafficShapingPolicy.Average Bandwidth", "Kbps");
    SetDefaultOutputParameter("units:VirtualSwitchTrafficShapingPolicy.Peak Bandwidth", "Kbps");
    SetDefaultOutputParameter("units:VirtualSwitchTrafficShapingPolicy.Burst Size", "Kib");
}

std::shared_ptr<VirtualSwitchStandardPolicyShapingGet> VirtualSwitchStandardPolicyShapingGet::New() {
    return std::shared_ptr<VirtualSwitchStandardPolicyShapingGet>(new VirtualSwitchStandardPolicyShapingGet());
}

VirtualSwitchStandardPolicyShapingGet::~VirtualSwitchStandardPolicyShapingGet() = default;

RecordPtr VirtualSwitchStandardPolicyShapingGet::GetOutputStructure() {
    RecordTemplate layout(kRecordName);
    return ShapingFields(layout);
}

InputSpecPtr VirtualSwitchStandardPolicyShapingGet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kVswitchNameParameter, Parvik::CallSpec::PARAM_STRING, "v",
                 "The name of the virtual switch to use when fetching the switch shaping policy.", true);
    return spec;
}

OutputSpecPtr VirtualSwitchStandardPolicyShapingGet::GetOutputSpecInternal() {
    return MakeOutputSpec(GetOutputStructure());
}

void VirtualSwitchStandardPolicyShapingGet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        auto vswitch = FindSwitch(input->GetParameter(kVswitchNameParameter), output);
        if (!vswitch) return;
        auto record = GetOutputStructure();
        FillShapingFields(record, vswitch->GetShapingPolicy());
        output->SetRootObject(record);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
