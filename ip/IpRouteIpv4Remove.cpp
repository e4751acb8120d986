// network ip route ipv4 remove: remove a route; the default route clears the default gateway.
#include "frame/CommandFrame.h"
#include "ip/RouteShared.h"
#include "ip/StackCommands.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpRouteIpv4Remove::IpRouteIpv4Remove() { SetDescription("Remove IPv4 route"); }

std::shared_ptr<IpRouteIpv4Remove> IpRouteIpv4Remove::New() {
    return std::shared_ptr<IpRouteIpv4Remove>(new IpRouteIpv4Remove());
}

IpRouteIpv4Remove::~IpRouteIpv4Remove() = default;

InputSpecPtr IpRouteIpv4Remove::GetInputSpecInternal() {
    return RouteChangeInputSpec(
        "The Ipv4 address and prefix length of the network to remove the route from. Specify 'default' "
        "to indicate the default network.",
        "The Ipv4 address of the gateway through which a route to be removed");
}

OutputSpecPtr IpRouteIpv4Remove::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void IpRouteIpv4Remove::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    RemoveRoute<Ipv4Routes>(input, output);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
