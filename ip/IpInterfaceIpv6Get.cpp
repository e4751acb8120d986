// ip interface ipv6 get: not implemented yet.
#include "ip/InterfaceCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpInterfaceIpv6Get::IpInterfaceIpv6Get() {}

std::shared_ptr<IpInterfaceIpv6Get> IpInterfaceIpv6Get::New() { return std::shared_ptr<IpInterfaceIpv6Get>(new IpInterfaceIpv6Get()); }

IpInterfaceIpv6Get::~IpInterfaceIpv6Get() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> IpInterfaceIpv6Get::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("IpInterfaceIpv6Get");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> IpInterfaceIpv6Get::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpInterfaceIpv6Get::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpInterfaceIpv6Get::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                        const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
