// ip d n s search remove: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpDNSSearchRemove::IpDNSSearchRemove() {}

std::shared_ptr<IpDNSSearchRemove> IpDNSSearchRemove::New() { return std::shared_ptr<IpDNSSearchRemove>(new IpDNSSearchRemove()); }

IpDNSSearchRemove::~IpDNSSearchRemove() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> IpDNSSearchRemove::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpDNSSearchRemove::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpDNSSearchRemove::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                       const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
