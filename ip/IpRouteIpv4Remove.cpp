// network ip route ipv4 remove: remove a route; the default route clears the default gateway.
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

IpRouteIpv4Remove::IpRouteIpv4Remove() { SetDescription("Remove IPv4 route"); }

std::shared_ptr<IpRouteIpv4Remove> IpRouteIpv4Remove::New() { return OwnCommand(new IpRouteIpv4Remove()); }

IpRouteIpv4Remove::~IpRouteIpv4Remove() = default;

InputSpecPtr IpRouteIpv4Remove::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNetworkParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "The Ipv4 address and prefix length of the network to remove the route from. Specify 'default' to "
                 "indicate the default network.",
                 true);
    AddParameter(spec, kGatewayParameter, Parvik::CallSpec::PARAM_STRING, "g",
                 "The Ipv4 address of the gateway through which a route to be removed", true);
    AddParameter(spec, kNetstackParameter, Parvik::CallSpec::PARAM_STRING, "N", kNetstackDescription, false);
    return spec;
}

OutputSpecPtr IpRouteIpv4Remove::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void IpRouteIpv4Remove::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    using LmxCtl::Network::RoutingInfoImpl;
    WithStandardErrors(output, [&] {
        RoutingInfoImpl routing(kDefaultNetstack);
        SelectGivenNetstack(routing, input);
        const std::string& gatewayText = input->GetParameter(kGatewayParameter);
        Kavrel::Network::Ipv4Address gateway(gatewayText);
        const std::string& text = input->GetParameter(kNetworkParameter);
        Kavrel::Network::Ipv4Network network =
            text == "default" ? RoutingInfoImpl::DEFAULT_IPV4_ROUTE : Kavrel::Network::Ipv4Network(text);
        if (network == RoutingInfoImpl::DEFAULT_IPV4_ROUTE) {
            if (gateway == routing.GetLumexDefaultGateway() || gateway == routing.GetLumexConfigDefaultGateway()) {
                routing.SetLumexDefaultGateway(Kavrel::Network::Ipv4Address("0.0.0.0"), false);
                SetSuccess(output);
            } else {
                output->AddErrorMessage(gatewayText + " is not a default route.");
            }
            return;
        }
        routing.RemoveLumexRoute(network, gateway);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
