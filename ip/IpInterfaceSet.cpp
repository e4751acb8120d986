// network ip interface set: enable or disable a Lumex interface and change its MTU.
#include "frame/CommandFrame.h"
#include "ip/InterfaceCommands.h"
#include "ip/InterfaceShared.h"
#include "ip/StackShared.h"
#include "lmxctl/LumexNicInfoImpl.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kEnabledParameter[] = "enabled";
constexpr char kMtuParameter[] = "mtu";
}  // namespace

IpInterfaceSet::IpInterfaceSet() {
    SetDescription("This command sets the enabled status and MTU size of a given IP interface ");
}

std::shared_ptr<IpInterfaceSet> IpInterfaceSet::New() { return std::shared_ptr<IpInterfaceSet>(new IpInterfaceSet()); }

IpInterfaceSet::~IpInterfaceSet() = default;

InputSpecPtr IpInterfaceSet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kInterfaceNameParameter, Parvik::CallSpec::PARAM_STRING, "i",
                 "The name of the interface to apply the configurations.", true);
    AddParameter(spec, kEnabledParameter, Parvik::CallSpec::PARAM_BOOLEAN, "e",
                 "Set to true to enable the interface, set to false to disable it.", false);
    AddParameter(spec, kMtuParameter, Parvik::CallSpec::PARAM_INTEGER, "m", "The MTU size of the IP interface. ",
                 false);
    return spec;
}

OutputSpecPtr IpInterfaceSet::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void IpInterfaceSet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        std::string name = input->GetParameter(kInterfaceNameParameter);
        LmxCtl::Network::LumexNicInfoImpl info;
        auto nic = FindListedInterface(info, name, output, "Unable to find an interface with name " + name);
        if (!nic) return;
        if (input->HasParameter(kEnabledParameter)) {
            if (input->GetParameterBool(kEnabledParameter)) {
                nic->Enable();
            } else {
                nic->Disable();
            }
        }
        if (input->HasParameter(kMtuParameter)) {
            int64_t mtu = input->GetParameterInt(kMtuParameter);
            if (mtu < 0) {
                output->AddErrorMessage("MTU size should be a positive value");
                return;
            }
            nic->SetMtu(SaturatedInt(mtu));
        }
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
