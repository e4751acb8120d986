// network ip route ipv4 list: the IPv4 routes of a netstack, with the default route's source.
#include "frame/CommandFrame.h"
#include "frame/RowBuilder.h"
#include "ip/StackCommands.h"
#include "ip/StackShared.h"
#include "lmxctl/IpStack.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "Ipv4Route";
constexpr char kNetworkField[] = "Network";
constexpr char kNetmaskField[] = "Netmask";
constexpr char kGatewayField[] = "Gateway";
constexpr char kInterfaceField[] = "Interface";
constexpr char kSourceField[] = "Source";
}  // namespace

IpRouteIpv4List::IpRouteIpv4List() {
    SetDescription("List configured IPv4 routes");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:Ipv4Route", "Network,Netmask,Gateway,Interface,Source");
}

std::shared_ptr<IpRouteIpv4List> IpRouteIpv4List::New() { return OwnCommand(new IpRouteIpv4List()); }

IpRouteIpv4List::~IpRouteIpv4List() = default;

RecordPtr IpRouteIpv4List::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .String(kNetworkField)
        .String(kNetmaskField)
        .String(kGatewayField)
        .String(kInterfaceField)
        .String(kSourceField);
}

InputSpecPtr IpRouteIpv4List::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNetstackParameter, Parvik::CallSpec::PARAM_STRING, "N", kNetstackDescription, false);
    AddParameter(spec, kTypeParameter, Parvik::CallSpec::PARAM_STRING, "t",
                 "List IPv4 routes with given type(e.g. system).", false);
    return spec;
}

OutputSpecPtr IpRouteIpv4List::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void IpRouteIpv4List::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    using LmxCtl::Network::RoutingInfoImpl;
    WithStandardErrors(output, [&] {
        RoutingInfoImpl routing(kDefaultNetstack);
        SelectGivenNetstack(routing, input);
        int kind = 0;
        if (!PortsetKindFromType(input, output, routing.GetNetstackInstanceKey(), kind)) return;
        auto list = MakeRecordList(GetOutputStructure());
        auto routes = routing.GetCurrentLumexRoutes(kind);
        list->Reserve(routes.size());
        RowBuilder rows(GetOutputStructure());
        for (const auto& route : routes) {
            auto record = rows.NewRow();
            bool isDefault = route.network == RoutingInfoImpl::DEFAULT_IPV4_ROUTE;
            record->SetField(kNetworkField, RowBuilder::Own(isDefault ? std::string("default")
                                                                      : route.network.GetNetwork().GetStringAddress()));
            record->SetField(kNetmaskField, rows.Shared(route.network.GetNetmask().GetStringAddress()));
            record->SetField(kGatewayField, rows.Shared(route.gateway.GetStringAddress()));
            record->SetField(kInterfaceField, rows.Shared(route.interfaceName));
            record->SetField(kSourceField, rows.Shared(routing.GetDefaultGatewaySource(route.network)));
            list->Add(record);
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
