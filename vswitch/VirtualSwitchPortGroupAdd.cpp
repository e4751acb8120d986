// network vswitch standard portgroup add: add a port group to a standard switch.
#include "frame/CommandFrame.h"
#include "vswitch/VswitchCommands.h"
#include "vswitch/VswitchShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VirtualSwitchPortGroupAdd::VirtualSwitchPortGroupAdd() {
    SetDescription("Allows the addition of a standard port group to a virtual switch.");
}

std::shared_ptr<VirtualSwitchPortGroupAdd> VirtualSwitchPortGroupAdd::New() {
    return std::shared_ptr<VirtualSwitchPortGroupAdd>(new VirtualSwitchPortGroupAdd());
}

VirtualSwitchPortGroupAdd::~VirtualSwitchPortGroupAdd() = default;

InputSpecPtr VirtualSwitchPortGroupAdd::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPortgroupNameParameter, Parvik::CallSpec::PARAM_STRING, "p",
                 "The name of the port group to add", true);
    AddParameter(spec, kVswitchNameParameter, Parvik::CallSpec::PARAM_STRING, "v",
                 "The virtual switch to add the port group to.", true);
    return spec;
}

OutputSpecPtr VirtualSwitchPortGroupAdd::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchPortGroupAdd::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    ChangeSwitchPortGroups(input, output, [](Kavrel::Network::Portset& vswitch, const std::string& portgroup) {
        vswitch.AddPortGroup(portgroup);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
