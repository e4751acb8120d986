// network vswitch standard set: change a standard switch's MTU and CDP status.
#include "frame/CommandFrame.h"
#include "lmxctl/VirtualSwitch.h"
#include "vswitch/VswitchCommands.h"
#include "vswitch/VswitchShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kMtuParameter[] = "mtu";
constexpr char kCdpStatusParameter[] = "cdp-status";
}  // namespace

VirtualSwitchStandardSet::VirtualSwitchStandardSet() {
    SetDescription("This command sets the MTU size and CDP status of a given virtual switch.");
}

std::shared_ptr<VirtualSwitchStandardSet> VirtualSwitchStandardSet::New() {
    return std::shared_ptr<VirtualSwitchStandardSet>(new VirtualSwitchStandardSet());
}

VirtualSwitchStandardSet::~VirtualSwitchStandardSet() = default;

InputSpecPtr VirtualSwitchStandardSet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kVswitchNameParameter, Parvik::CallSpec::PARAM_STRING, "v",
                 "The name of virtual switch to apply the configurations.", true);
    AddParameter(spec, kMtuParameter, Parvik::CallSpec::PARAM_INTEGER, "m",
                 "The MTU size of the given virtual switch. ", false);
    AddParameter(spec, kCdpStatusParameter, Parvik::CallSpec::PARAM_STRING, "c",
                 "The CDP status of the given virtual switch. It can be 'down', 'listen', 'advertise' or 'both'", false,
                 StringEnum({{kCdpStatusNames[0], "CDP status is 'down'"},
                             {kCdpStatusNames[1], "CDP status is 'listen'"},
                             {kCdpStatusNames[2], "CDP status is 'advertise'"},
                             {kCdpStatusNames[3], "CDP status is 'both'"}}));
    return spec;
}

OutputSpecPtr VirtualSwitchStandardSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VirtualSwitchStandardSet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        const std::string& name = input->GetParameter(kVswitchNameParameter);
        if (!LmxCtl::Network::PortsetImpl::IsValidVirtualSwitch(name)) {
            output->AddErrorMessage(name + " is not a valid name for a virtual switch");
            return;
        }
        LmxCtl::Network::VirtualSwitchInfoImpl switches;
        auto vswitch = switches.GetVirtualSwitchByName(name, Kavrel::Network::PORTSET_GET_DEFAULT);
        if (!vswitch) {
            output->AddErrorMessage("Unable to find a virtual switch with name " + name);
            return;
        }
        if (input->HasParameter(kMtuParameter)) {
            int64_t mtu = input->GetParameterInt(kMtuParameter);
            if (mtu < 0) {
                output->AddErrorMessage("MTU size should be a positive value");
                return;
            }
            vswitch->SetMTU(mtu);
        }
        if (input->HasParameter(kCdpStatusParameter)) {
            vswitch->SetCdpStatus(CdpStatusValue(input->GetParameter(kCdpStatusParameter)));
        }
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
