// network ip netstack remove: delete a netstack instance that no interface uses.
#include "frame/CommandFrame.h"
#include "ip/StackCommands.h"
#include "ip/StackShared.h"
#include "lmxctl/NetworkInfoImpl.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpNetstackInstanceRemove::IpNetstackInstanceRemove() { SetDescription("Remove a new Netstack Instance."); }

std::shared_ptr<IpNetstackInstanceRemove> IpNetstackInstanceRemove::New() {
    return std::shared_ptr<IpNetstackInstanceRemove>(new IpNetstackInstanceRemove());
}

IpNetstackInstanceRemove::~IpNetstackInstanceRemove() = default;

InputSpecPtr IpNetstackInstanceRemove::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNetstackParameter, Parvik::CallSpec::PARAM_STRING, "N", "The network stack instance", true);
    return spec;
}

OutputSpecPtr IpNetstackInstanceRemove::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpNetstackInstanceRemove::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithPrefixedErrors(output, "Unable to Remove Netstack Instance. Error was : ", [&] {
        LmxCtl::Network::NetworkInfoImpl network;
        network.RemoveNetstackInstance(input->GetParameter(kNetstackParameter), false);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
