// ip ipsec s a add: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpIpsecSAAdd::IpIpsecSAAdd() {}

std::shared_ptr<IpIpsecSAAdd> IpIpsecSAAdd::New() { return std::shared_ptr<IpIpsecSAAdd>(new IpIpsecSAAdd()); }

IpIpsecSAAdd::~IpIpsecSAAdd() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> IpIpsecSAAdd::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpIpsecSAAdd::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpIpsecSAAdd::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                  const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
