// ip netstack instance remove: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpNetstackInstanceRemove::IpNetstackInstanceRemove() {}

std::shared_ptr<IpNetstackInstanceRemove> IpNetstackInstanceRemove::New() { return std::shared_ptr<IpNetstackInstanceRemove>(new IpNetstackInstanceRemove()); }

IpNetstackInstanceRemove::~IpNetstackInstanceRemove() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> IpNetstackInstanceRemove::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpNetstackInstanceRemove::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpNetstackInstanceRemove::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                              const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
