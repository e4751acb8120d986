// ip d n s server remove: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpDNSServerRemove::IpDNSServerRemove() {}

std::shared_ptr<IpDNSServerRemove> IpDNSServerRemove::New() { return std::shared_ptr<IpDNSServerRemove>(new IpDNSServerRemove()); }

IpDNSServerRemove::~IpDNSServerRemove() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> IpDNSServerRemove::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpDNSServerRemove::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpDNSServerRemove::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                       const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
