// network ip route ipv6 list: the IPv6 routes of a netstack.
#include "frame/CommandFrame.h"
#include "frame/RowBuilder.h"
#include "ip/StackCommands.h"
#include "ip/StackShared.h"
#include "lmxctl/IpStack.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "Ipv6Route";
constexpr char kNetworkField[] = "Network";
constexpr char kNetmaskField[] = "Netmask";
constexpr char kGatewayField[] = "Gateway";
constexpr char kInterfaceField[] = "Interface";
}  // namespace

IpRouteIpv6List::IpRouteIpv6List() {
    SetDescription("List configured IPv6 routes");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:Ipv6Route", "Network,Netmask,Gateway,Interface");
}

std::shared_ptr<IpRouteIpv6List> IpRouteIpv6List::New() { return OwnCommand(new IpRouteIpv6List()); }

IpRouteIpv6List::~IpRouteIpv6List() = default;

RecordPtr IpRouteIpv6List::GetOutputStructure() {
    return RecordTemplate(kRecordName).String(kNetworkField).String(kNetmaskField).String(kGatewayField).String(
        kInterfaceField);
}

InputSpecPtr IpRouteIpv6List::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNetstackParameter, Parvik::CallSpec::PARAM_STRING, "N", kNetstackDescription, false);
    AddParameter(spec, kTypeParameter, Parvik::CallSpec::PARAM_STRING, "t",
                 "List IPv6 routes with given type(e.g. system).", false);
    return spec;
}

OutputSpecPtr IpRouteIpv6List::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void IpRouteIpv6List::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    using LmxCtl::Network::RoutingInfoImpl;
    WithStandardErrors(output, [&] {
        RoutingInfoImpl routing(kDefaultNetstack);
        SelectGivenNetstack(routing, input);
        int kind = 0;
        if (!PortsetKindFromType(input, output, routing.GetNetstackInstanceKey(), kind)) return;
        auto list = MakeRecordList(GetOutputStructure());
        auto routes = routing.GetCurrentIpv6LumexRoutes(kind);
        list->Reserve(routes.size());
        RowBuilder rows(GetOutputStructure());
        for (const auto& route : routes) {
            auto record = rows.NewRow();
            bool isDefault = route.network == RoutingInfoImpl::DEFAULT_IPV6_ROUTE;
            record->SetField(kNetworkField, RowBuilder::Own(isDefault ? std::string("default")
                                                                      : route.network.GetAddress().GetStringAddress()));
            record->SetField(kNetmaskField,
                             rows.Shared(Kavrel::Network::Ipv6Network::NetmaskFromNumber(route.network.GetNetmask())
                                             .GetStringAddress()));
            record->SetField(kGatewayField, rows.Shared(route.gateway.GetStringAddress()));
            record->SetField(kInterfaceField, rows.Shared(route.interfaceName));
            list->Add(record);
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
