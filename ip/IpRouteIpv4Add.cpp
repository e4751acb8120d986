// network ip route ipv4 add: add a route (or the default gateway) to a netstack.
#include "frame/CommandFrame.h"
#include "ip/RouteShared.h"
#include "ip/StackCommands.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpRouteIpv4Add::IpRouteIpv4Add() { SetDescription("Add IPv4 route to the Lumex."); }

std::shared_ptr<IpRouteIpv4Add> IpRouteIpv4Add::New() { return std::shared_ptr<IpRouteIpv4Add>(new IpRouteIpv4Add()); }

IpRouteIpv4Add::~IpRouteIpv4Add() = default;

InputSpecPtr IpRouteIpv4Add::GetInputSpecInternal() {
    return RouteChangeInputSpec(
        "The Ipv4 address and prefix length of the network to add the route to. Specify 'default' "
        "to indicate the default network.",
        "The Ipv4 address of the gateway through which a route to be added.");
}

OutputSpecPtr IpRouteIpv4Add::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void IpRouteIpv4Add::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    AddRoute<Ipv4Routes>(input, output);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
