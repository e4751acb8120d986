// network vswitch standard policy failover get: a standard switch's teaming and failover settings.
#include "frame/CommandFrame.h"
#include "vswitch/VswitchCommands.h"
#include "vswitch/VswitchShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "VirtualSwitchFailoverPolicy";
}  // namespace

VirtualSwitchStandardPolicyFailoverGet::VirtualSwitchStandardPolicyFailoverGet() {
    SetDescription("Get the failover policy settings governing the given virtual switch");
    SetDefaultOutputFormatter("simple");
    SetDefaultOutputParameter("header:VirtualSwitchFailoverPolicy", "<NONE>");
    SetDefaultOutputParameter("fields:VirtualSwitchFailoverPolicy",
                              "Load Balancing,Network Failure Detection,Notify Switches,Failback,Active Adapters,"
                              "Standby Adapters,Unused Adapters");
}

std::shared_ptr<VirtualSwitchStandardPolicyFailoverGet> VirtualSwitchStandardPolicyFailoverGet::New() {
    return std::shared_ptr<VirtualSwitchStandardPolicyFailoverGet>(new VirtualSwitchStandardPolicyFailoverGet());
}

VirtualSwitchStandardPolicyFailoverGet::~VirtualSwitchStandardPolicyFailoverGet() = default;

RecordPtr VirtualSwitchStandardPolicyFailoverGet::GetOutputStructure() {
    RecordTemplate layout(kRecordName);
    return FailoverFields(layout);
}

InputSpecPtr VirtualSwitchStandardPolicyFailoverGet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kVswitchNameParameter, Parvik::CallSpec::PARAM_STRING, "v",
                 "The name of the virtual switch to use when fetching the switch failover policy.", true);
    return spec;
}

OutputSpecPtr VirtualSwitchStandardPolicyFailoverGet::GetOutputSpecInternal() {
    return MakeOutputSpec(GetOutputStructure());
}

void VirtualSwitchStandardPolicyFailoverGet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        auto vswitch = FindSwitch(input->GetParameter(kVswitchNameParameter), output);
        if (!vswitch) return;
        auto record = GetOutputStructure();
        FillFailoverFields(record, vswitch->GetTeamingPolicy(), vswitch->GetUplinks());
        output->SetRootObject(record);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
