// network ip route ipv6 add: add a route (or the default gateway) to a netstack.
#include "frame/CommandFrame.h"
#include "ip/RouteShared.h"
#include "ip/StackCommands.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpRouteIpv6Add::IpRouteIpv6Add() { SetDescription("Add IPv6 route to the Lumex."); }

std::shared_ptr<IpRouteIpv6Add> IpRouteIpv6Add::New() { return std::shared_ptr<IpRouteIpv6Add>(new IpRouteIpv6Add()); }

IpRouteIpv6Add::~IpRouteIpv6Add() = default;

InputSpecPtr IpRouteIpv6Add::GetInputSpecInternal() {
    return RouteChangeInputSpec(
        "The Ipv6 address and prefix length of the network to add the route to. Specify 'default' "
        "to indicate the default network.",
        "The Ipv6 address of the gateway through which a route to be added.");
}

OutputSpecPtr IpRouteIpv6Add::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void IpRouteIpv6Add::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    AddRoute<Ipv6Routes>(input, output);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
