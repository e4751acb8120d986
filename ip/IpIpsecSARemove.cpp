// ip ipsec s a remove: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpIpsecSARemove::IpIpsecSARemove() {}

std::shared_ptr<IpIpsecSARemove> IpIpsecSARemove::New() { return std::shared_ptr<IpIpsecSARemove>(new IpIpsecSARemove()); }

IpIpsecSARemove::~IpIpsecSARemove() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> IpIpsecSARemove::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpIpsecSARemove::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpIpsecSARemove::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                     const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
