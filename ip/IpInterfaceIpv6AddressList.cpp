// ip interface ipv6 address list: not implemented yet.
#include "ip/InterfaceCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpInterfaceIpv6AddressList::IpInterfaceIpv6AddressList() {}

std::shared_ptr<IpInterfaceIpv6AddressList> IpInterfaceIpv6AddressList::New() { return std::shared_ptr<IpInterfaceIpv6AddressList>(new IpInterfaceIpv6AddressList()); }

IpInterfaceIpv6AddressList::~IpInterfaceIpv6AddressList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> IpInterfaceIpv6AddressList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("IpInterfaceIpv6AddressList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> IpInterfaceIpv6AddressList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpInterfaceIpv6AddressList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpInterfaceIpv6AddressList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                                const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
