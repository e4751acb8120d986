// ip interface ipv4 set: not implemented yet.
#include "ip/InterfaceCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpInterfaceIpv4Set::IpInterfaceIpv4Set() {}

std::shared_ptr<IpInterfaceIpv4Set> IpInterfaceIpv4Set::New() { return std::shared_ptr<IpInterfaceIpv4Set>(new IpInterfaceIpv4Set()); }

IpInterfaceIpv4Set::~IpInterfaceIpv4Set() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> IpInterfaceIpv4Set::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpInterfaceIpv4Set::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpInterfaceIpv4Set::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                        const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
