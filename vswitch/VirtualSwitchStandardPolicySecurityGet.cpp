// network vswitch standard policy security get: a standard switch's security policy.
#include "frame/CommandFrame.h"
#include "vswitch/VswitchCommands.h"
#include "vswitch/VswitchShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "VirtualSwitchSecurityPolicy";
}  // namespace

VirtualSwitchStandardPolicySecurityGet::VirtualSwitchStandardPolicySecurityGet() {
    SetDescription("Get the Security Policy governing the given virtual switch.");
    SetDefaultOutputFormatter("simple");
    SetDefaultOutputParameter("header:VirtualSwitchSecurityPolicy", "<NONE>");
    SetDefaultOutputParameter("fields:VirtualSwitchSecurityPolicy",
                              "Allow Promiscuous,Allow MAC Address Change,Allow Forged Transmits");
}

std::shared_ptr<VirtualSwitchStandardPolicySecurityGet> VirtualSwitchStandardPolicySecurityGet::New() {
    return std::shared_ptr<VirtualSwitchStandardPolicySecurityGet>(new VirtualSwitchStandardPolicySecurityGet());
}

VirtualSwitchStandardPolicySecurityGet::~VirtualSwitchStandardPolicySecurityGet() = default;

RecordPtr VirtualSwitchStandardPolicySecurityGet::GetOutputStructure() {
    RecordTemplate layout(kRecordName);
    return SecurityFields(layout);
}

InputSpecPtr VirtualSwitchStandardPolicySecurityGet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kVswitchNameParameter, Parvik::CallSpec::PARAM_STRING, "v",
                 "The name of the virtual switch to use when fetching the network security policy.", true);
    return spec;
}

OutputSpecPtr VirtualSwitchStandardPolicySecurityGet::GetOutputSpecInternal() {
    return MakeOutputSpec(GetOutputStructure());
}

void VirtualSwitchStandardPolicySecurityGet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        auto vswitch = FindSwitch(input->GetParameter(kVswitchNameParameter), output);
        if (!vswitch) return;
        auto record = GetOutputStructure();
        FillSecurityFields(record, vswitch->GetSecurityPolicy());
        output->SetRootObject(record);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
