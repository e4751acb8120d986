// network vswitch standard portgroup remove: remove a port group from a standard switch.
#include "frame/CommandFrame.h"
#include "vswitch/VswitchCommands.h"
#include "vswitch/VswitchShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchPortGroupRemove::VirtualSwitchPortGroupRemove() {
    SetDescription("Remove a port group from the given virtual switch");
}

std::shared_ptr<VirtualSwitchPortGroupRemove> VirtualSwitchPortGroupRemove::New() {
    return std::shared_ptr<VirtualSwitchPortGroupRemove>(new VirtualSwitchPortGroupRemove());
}

VirtualSwitchPortGroupRemove::~VirtualSwitchPortGroupRemove() = default;

InputSpecPtr VirtualSwitchPortGroupRemove::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPortgroupNameParameter, Parvik::CallSpec::PARAM_STRING, "p", " ", true);
    AddParameter(spec, kVswitchNameParameter, Parvik::CallSpec::PARAM_STRING, "v", " ", true);
    return spec;
}

OutputSpecPtr VirtualSwitchPortGroupRemove::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchPortGroupRemove::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    ChangeSwitchPortGroups(input, output, [](Kavrel::Network::Portset& vswitch, const std::string& portgroup) {
        vswitch.RemovePortGroup(portgroup);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
