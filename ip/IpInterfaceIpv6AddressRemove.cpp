// ip interface ipv6 address remove: not implemented yet.
#include "ip/InterfaceCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpInterfaceIpv6AddressRemove::IpInterfaceIpv6AddressRemove() {}

std::shared_ptr<IpInterfaceIpv6AddressRemove> IpInterfaceIpv6AddressRemove::New() { return std::shared_ptr<IpInterfaceIpv6AddressRemove>(new IpInterfaceIpv6AddressRemove()); }

IpInterfaceIpv6AddressRemove::~IpInterfaceIpv6AddressRemove() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> IpInterfaceIpv6AddressRemove::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpInterfaceIpv6AddressRemove::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpInterfaceIpv6AddressRemove::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                                  const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
