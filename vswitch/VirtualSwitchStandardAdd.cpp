// network vswitch standard add: create a standard switch with the host's default policies.
#include "frame/CommandFrame.h"
#include "lmxctl/VirtualSwitch.h"
#include "vswitch/VswitchCommands.h"
#include "vswitch/VswitchShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kPortsParameter[] = "ports";
}  // namespace

VirtualSwitchStandardAdd::VirtualSwitchStandardAdd() {
    SetDescription("Add a new virtual switch to the Talix networking system.");
}

std::shared_ptr<VirtualSwitchStandardAdd> VirtualSwitchStandardAdd::New() {
    return std::shared_ptr<VirtualSwitchStandardAdd>(new VirtualSwitchStandardAdd());
}

VirtualSwitchStandardAdd::~VirtualSwitchStandardAdd() = default;

InputSpecPtr VirtualSwitchStandardAdd::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kVswitchNameParameter, Parvik::CallSpec::PARAM_STRING, "v",
                 "The name of the virtual switch to create.", true);
    AddParameter(spec, kPortsParameter, Parvik::CallSpec::PARAM_INTEGER, "P",
                 "The number of ports to give this newly created virtual switch. Maximum ports per virtual switch is "
                 "4096. If no value is given the default value(128) is used. The number of ports is limited by the "
                 "number of already allocated ports on the host. The system wide port count cannot be greater than "
                 "4608.",
                 false, IntRange(1, 4096));
    return spec;
}

OutputSpecPtr VirtualSwitchStandardAdd::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchStandardAdd::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        const std::string& name = input->GetParameter(kVswitchNameParameter);
        if (name.size() > Kavrel::Network::Portset::MAX_NAME_LENGTH) {
            output->AddErrorMessage("The virtual switch name exceeds the maximum allowed length. ");
            return;
        }
        int64_t ports = input->HasParameter(kPortsParameter) ? input->GetParameterInt(kPortsParameter)
                                                             : Kavrel::Network::Portset::DEF_NUM_PORTS;
        LmxCtl::Network::VirtualSwitchInfoImpl switches;
        switches.AddVirtualSwitchWithPolicy(Kavrel::Network::NicTeamingPolicy::GetDefaultPolicy(),
                                            Kavrel::Network::PortSecurityPolicy::GetDefaultPolicy(),
                                            Kavrel::Network::ShapingPolicy::GetDefaultPolicy(),
                                            Kavrel::Network::NicCapabilities::GetDefaultPolicy(), name, ports);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
