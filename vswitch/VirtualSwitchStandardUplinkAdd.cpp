// network vswitch standard uplink add: attach a physical NIC to a standard switch.
#include "frame/CommandFrame.h"
#include "kavrel/NetworkFactory.h"
#include "vswitch/VswitchCommands.h"
#include "vswitch/VswitchShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kUplinkNameParameter[] = "uplink-name";
}  // namespace

VirtualSwitchStandardUplinkAdd::VirtualSwitchStandardUplinkAdd() {
    SetDescription(
        "Add an uplink to the given virtual switch. Note if this virtual switch has a NIC teaming policy assigned to "
        "it then the policy must also be modified to enable use of this uplink on this virtual switch");
}

std::shared_ptr<VirtualSwitchStandardUplinkAdd> VirtualSwitchStandardUplinkAdd::New() {
    return std::shared_ptr<VirtualSwitchStandardUplinkAdd>(new VirtualSwitchStandardUplinkAdd());
}

VirtualSwitchStandardUplinkAdd::~VirtualSwitchStandardUplinkAdd() = default;

InputSpecPtr VirtualSwitchStandardUplinkAdd::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kVswitchNameParameter, Parvik::CallSpec::PARAM_STRING, "v",
                 "The name of the virtual switch to add an uplink to.", true);
    AddParameter(spec, kUplinkNameParameter, Parvik::CallSpec::PARAM_STRING, "u",
                 "The name of the uplink to add to the virtual switch.", true);
    return spec;
}

OutputSpecPtr VirtualSwitchStandardUplinkAdd::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchStandardUplinkAdd::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        const std::string& name = input->GetParameter(kVswitchNameParameter);
        const std::string& uplink = input->GetParameter(kUplinkNameParameter);
        auto vswitch =
            Kavrel::Network::NetworkFactory::GetVirtualSwitchById(name, Kavrel::Network::PORTSET_GET_DEFAULT);
        // Whether the NIC exists, is free or is in use is the host's to refuse.
        if (vswitch) vswitch->AddUplink(uplink, true);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
