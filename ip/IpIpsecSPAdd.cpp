// ip ipsec s p add: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpIpsecSPAdd::IpIpsecSPAdd() {}

std::shared_ptr<IpIpsecSPAdd> IpIpsecSPAdd::New() { return std::shared_ptr<IpIpsecSPAdd>(new IpIpsecSPAdd()); }

IpIpsecSPAdd::~IpIpsecSPAdd() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> IpIpsecSPAdd::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpIpsecSPAdd::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpIpsecSPAdd::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                  const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
