// network ip route ipv6 remove: remove a route; the default route clears the default gateway.
#include "frame/CommandFrame.h"
#include "ip/RouteShared.h"
#include "ip/StackCommands.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpRouteIpv6Remove::IpRouteIpv6Remove() { SetDescription("Remove IPv6 route from the Lumex"); }

std::shared_ptr<IpRouteIpv6Remove> IpRouteIpv6Remove::New() {
    return std::shared_ptr<IpRouteIpv6Remove>(new IpRouteIpv6Remove());
}

IpRouteIpv6Remove::~IpRouteIpv6Remove() = default;

InputSpecPtr IpRouteIpv6Remove::GetInputSpecInternal() {
    return RouteChangeInputSpec(
        "The Ipv6 address and prefix length of the network to remove the route from. Specify 'default' "
        "to indicate the default network.",
        "The Ipv6 address of the gateway through which a route to be removed");
}

OutputSpecPtr IpRouteIpv6Remove::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void IpRouteIpv6Remove::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    RemoveRoute<Ipv6Routes>(input, output);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
