// ip route ipv6 add: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpRouteIpv6Add::IpRouteIpv6Add() {}

std::shared_ptr<IpRouteIpv6Add> IpRouteIpv6Add::New() { return std::shared_ptr<IpRouteIpv6Add>(new IpRouteIpv6Add()); }

IpRouteIpv6Add::~IpRouteIpv6Add() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> IpRouteIpv6Add::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpRouteIpv6Add::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpRouteIpv6Add::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                    const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
