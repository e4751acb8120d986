// network ip route ipv6 remove: remove a route; the default route clears the default gateway.
#include "frame/CommandFrame.h"
#include "ip/StackCommands.h"
#include "ip/StackShared.h"
#include "lmxctl/IpStack.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kNetworkParameter[] = "network";
constexpr char kGatewayParameter[] = "gateway";
}  // namespace

IpRouteIpv6Remove::IpRouteIpv6Remove() { SetDescription("Remove IPv6 route from the Lumex"); }

std::shared_ptr<IpRouteIpv6Remove> IpRouteIpv6Remove::New() { return OwnCommand(new IpRouteIpv6Remove()); }

IpRouteIpv6Remove::~IpRouteIpv6Remove() = default;

InputSpecPtr IpRouteIpv6Remove::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNetworkParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "The Ipv6 address and prefix length of the network to remove the route from. Specify 'default' to "
                 "indicate the default network.",
                 true);
    AddParameter(spec, kGatewayParameter, Parvik::CallSpec::PARAM_STRING, "g",
                 "The Ipv6 address of the gateway through which a route to be removed", true);
    AddParameter(spec, kNetstackParameter, Parvik::CallSpec::PARAM_STRING, "N", kNetstackDescription, false);
    return spec;
}

OutputSpecPtr IpRouteIpv6Remove::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void IpRouteIpv6Remove::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    using LmxCtl::Network::RoutingInfoImpl;
    WithStandardErrors(output, [&] {
        RoutingInfoImpl routing(kDefaultNetstack);
        const std::string& gatewayText = input->GetParameter(kGatewayParameter);
        Kavrel::Network::Ipv6Address gateway(gatewayText);
        const std::string& text = input->GetParameter(kNetworkParameter);
        Kavrel::Network::Ipv6Network network =
            text == "default" ? RoutingInfoImpl::DEFAULT_IPV6_ROUTE : Kavrel::Network::Ipv6Network(text);
        SelectGivenNetstack(routing, input);
        if (network == RoutingInfoImpl::DEFAULT_IPV6_ROUTE) {
            if (gateway == routing.GetIpv6LumexDefaultGateway() ||
                gateway == routing.GetIpv6LumexConfigDefaultGateway()) {
                routing.SetIpv6LumexDefaultGateway(Kavrel::Network::Ipv6Address());
                SetSuccess(output);
            } else {
                output->AddErrorMessage(gatewayText + " is not a default route.");
            }
            return;
        }
        routing.RemoveIpv6LumexRoute(network, gateway);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
