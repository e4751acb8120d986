// ip hosts remove: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpHostsRemove::IpHostsRemove() {}

std::shared_ptr<IpHostsRemove> IpHostsRemove::New() { return std::make_shared<IpHostsRemove>(); }

IpHostsRemove::~IpHostsRemove() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> IpHostsRemove::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpHostsRemove::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpHostsRemove::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                   const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
