// network ip route ipv6 add: add a route (or the default gateway) to a netstack.
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

IpRouteIpv6Add::IpRouteIpv6Add() { SetDescription("Add IPv6 route to the Lumex."); }

std::shared_ptr<IpRouteIpv6Add> IpRouteIpv6Add::New() { return OwnCommand(new IpRouteIpv6Add()); }

IpRouteIpv6Add::~IpRouteIpv6Add() = default;

InputSpecPtr IpRouteIpv6Add::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNetworkParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "The Ipv6 address and prefix length of the network to add the route to. Specify 'default' to "
                 "indicate the default network.",
                 true);
    AddParameter(spec, kGatewayParameter, Parvik::CallSpec::PARAM_STRING, "g",
                 "The Ipv6 address of the gateway through which a route to be added.", true);
    AddParameter(spec, kNetstackParameter, Parvik::CallSpec::PARAM_STRING, "N", kNetstackDescription, false);
    return spec;
}

OutputSpecPtr IpRouteIpv6Add::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void IpRouteIpv6Add::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        LmxCtl::Network::RoutingInfoImpl routing(kDefaultNetstack);
        SelectGivenNetstack(routing, input);
        Kavrel::Network::Ipv6Address gateway(input->GetParameter(kGatewayParameter));
        const std::string& text = input->GetParameter(kNetworkParameter);
        Kavrel::Network::Ipv6Network network =
            text == "default" ? LmxCtl::Network::RoutingInfoImpl::DEFAULT_IPV6_ROUTE : Kavrel::Network::Ipv6Network(text);
        routing.AddIpv6LumexRoute(network, gateway);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
