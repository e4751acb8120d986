// network ip route ipv4 add: add a route (or the default gateway) to a netstack.
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

IpRouteIpv4Add::IpRouteIpv4Add() { SetDescription("Add IPv4 route to the Lumex."); }

std::shared_ptr<IpRouteIpv4Add> IpRouteIpv4Add::New() { return OwnCommand(new IpRouteIpv4Add()); }

IpRouteIpv4Add::~IpRouteIpv4Add() = default;

InputSpecPtr IpRouteIpv4Add::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNetworkParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "The Ipv4 address and prefix length of the network to add the route to. Specify 'default' to "
                 "indicate the default network.",
                 true);
    AddParameter(spec, kGatewayParameter, Parvik::CallSpec::PARAM_STRING, "g",
                 "The Ipv4 address of the gateway through which a route to be added.", true);
    AddParameter(spec, kNetstackParameter, Parvik::CallSpec::PARAM_STRING, "N", kNetstackDescription, false);
    return spec;
}

OutputSpecPtr IpRouteIpv4Add::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void IpRouteIpv4Add::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        LmxCtl::Network::RoutingInfoImpl routing(kDefaultNetstack);
        SelectGivenNetstack(routing, input);
        Kavrel::Network::Ipv4Address gateway(input->GetParameter(kGatewayParameter));
        const std::string& text = input->GetParameter(kNetworkParameter);
        Kavrel::Network::Ipv4Network network =
            text == "default" ? LmxCtl::Network::RoutingInfoImpl::DEFAULT_IPV4_ROUTE : Kavrel::Network::Ipv4Network(text);
        routing.AddLumexRoute(network, gateway);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
