// network vswitch standard uplink remove: detach a physical NIC from a standard switch.
#include "frame/CommandFrame.h"
#include "kavrel/NetworkFactory.h"
#include "vswitch/VswitchCommands.h"
#include "vswitch/VswitchShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kUplinkNameParameter[] = "uplink-name";
}  // namespace

VirtualSwitchStandardUplinkRemove::VirtualSwitchStandardUplinkRemove() {
    SetDescription(
        "Remove an uplink from the given virtual switch. Note if this virtual switch has a NIC teaming policy assigned "
        "to it then the policy must also be modified to disable use of this uplink on this virtual switch");
}

std::shared_ptr<VirtualSwitchStandardUplinkRemove> VirtualSwitchStandardUplinkRemove::New() {
    return std::shared_ptr<VirtualSwitchStandardUplinkRemove>(new VirtualSwitchStandardUplinkRemove());
}

VirtualSwitchStandardUplinkRemove::~VirtualSwitchStandardUplinkRemove() = default;

InputSpecPtr VirtualSwitchStandardUplinkRemove::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kVswitchNameParameter, Parvik::CallSpec::PARAM_STRING, "v",
                 "The name of the virtual switch to remove an uplink from.", true);
    AddParameter(spec, kUplinkNameParameter, Parvik::CallSpec::PARAM_STRING, "u",
                 "The name of the uplink to remove from the virtual switch.", true);
    return spec;
}

OutputSpecPtr VirtualSwitchStandardUplinkRemove::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchStandardUplinkRemove::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        const std::string& name = input->GetParameter(kVswitchNameParameter);
        const std::string& uplink = input->GetParameter(kUplinkNameParameter);
        auto vswitch =
            Kavrel::Network::NetworkFactory::GetVirtualSwitchById(name, Kavrel::Network::PORTSET_GET_DEFAULT);
        // Whether the NIC exists, is free or is in use is the host's to refuse.
        if (vswitch) vswitch->RemoveUplink(uplink, false);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
