// ip ipsec s p remove: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpIpsecSPRemove::IpIpsecSPRemove() {}

std::shared_ptr<IpIpsecSPRemove> IpIpsecSPRemove::New() { return std::shared_ptr<IpIpsecSPRemove>(new IpIpsecSPRemove()); }

IpIpsecSPRemove::~IpIpsecSPRemove() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> IpIpsecSPRemove::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpIpsecSPRemove::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpIpsecSPRemove::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                     const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
