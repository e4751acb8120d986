// ip interface ipv6 set: not implemented yet.
#include "ip/InterfaceCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpInterfaceIpv6Set::IpInterfaceIpv6Set() {}

std::shared_ptr<IpInterfaceIpv6Set> IpInterfaceIpv6Set::New() { return std::shared_ptr<IpInterfaceIpv6Set>(new IpInterfaceIpv6Set()); }

IpInterfaceIpv6Set::~IpInterfaceIpv6Set() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> IpInterfaceIpv6Set::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpInterfaceIpv6Set::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpInterfaceIpv6Set::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                        const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
