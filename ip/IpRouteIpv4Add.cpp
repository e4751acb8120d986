// ip route ipv4 add: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpRouteIpv4Add::IpRouteIpv4Add() {}

std::shared_ptr<IpRouteIpv4Add> IpRouteIpv4Add::New() { return std::shared_ptr<IpRouteIpv4Add>(new IpRouteIpv4Add()); }

IpRouteIpv4Add::~IpRouteIpv4Add() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> IpRouteIpv4Add::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpRouteIpv4Add::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpRouteIpv4Add::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                    const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
