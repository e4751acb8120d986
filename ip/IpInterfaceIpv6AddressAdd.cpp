// ip interface ipv6 address add: not implemented yet.
#include "ip/InterfaceCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpInterfaceIpv6AddressAdd::IpInterfaceIpv6AddressAdd() {}

std::shared_ptr<IpInterfaceIpv6AddressAdd> IpInterfaceIpv6AddressAdd::New() { return std::shared_ptr<IpInterfaceIpv6AddressAdd>(new IpInterfaceIpv6AddressAdd()); }

IpInterfaceIpv6AddressAdd::~IpInterfaceIpv6AddressAdd() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> IpInterfaceIpv6AddressAdd::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpInterfaceIpv6AddressAdd::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpInterfaceIpv6AddressAdd::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                               const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
