// network vswitch standard remove: remove a standard switch.
#include "frame/CommandFrame.h"
#include "lmxctl/VirtualSwitch.h"
#include "vswitch/VswitchCommands.h"
#include "vswitch/VswitchShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchStandardRemove::VirtualSwitchStandardRemove() {
    SetDescription("Remove a virtual switch from the Talix networking system.");
}

std::shared_ptr<VirtualSwitchStandardRemove> VirtualSwitchStandardRemove::New() {
    return std::shared_ptr<VirtualSwitchStandardRemove>(new VirtualSwitchStandardRemove());
}

VirtualSwitchStandardRemove::~VirtualSwitchStandardRemove() = default;

InputSpecPtr VirtualSwitchStandardRemove::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kVswitchNameParameter, Parvik::CallSpec::PARAM_STRING, "v",
                 "The name of the virtual switch to remove.", true);
    return spec;
}

OutputSpecPtr VirtualSwitchStandardRemove::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchStandardRemove::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        const std::string& name = input->GetParameter(kVswitchNameParameter);
        if (!LmxCtl::Network::PortsetImpl::IsValidVirtualSwitch(name)) {
            output->AddErrorMessage("Unable to find virtual switch with the name " + name);
            return;
        }
        LmxCtl::Network::VirtualSwitchInfoImpl switches;
        switches.RemoveVirtualSwitch(name);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
