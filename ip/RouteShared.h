// The route commands of both address families: one add, one remove and one
// listing, each written once over a family's routing calls.
#pragma once

#include <string>

#include "frame/CommandFrame.h"
#include "frame/RowBuilder.h"
#include "ip/StackShared.h"
#include "kavrel/Address.h"
#include "lmxctl/IpStack.h"

namespace NorvaleCli {
namespace NetworkNamespace {

// The fields of the route records; only IPv4 routes have a "Source".
struct RouteFields {
    // Strings, not character arrays: each row names every field.
    static inline const std::string kNetwork{"Network"}, kNetmask{"Netmask"}, kGateway{"Gateway"};
    static inline const std::string kInterface{"Interface"}, kSource{"Source"};
};

struct Ipv4Routes {
    using Address = Kavrel::Network::Ipv4Address;
    using Network = Kavrel::Network::Ipv4Network;
    using Routing = LmxCtl::Network::RoutingInfoImpl;

    // The IPv4 remove switches the netstack before it reads its addresses.
    static constexpr bool kSelectNetstackBeforeReading = true;

    static const Network& DefaultRoute() { return Routing::DEFAULT_IPV4_ROUTE; }
    static void Add(Routing& routing, const Network& network, const Address& gateway) {
        routing.AddLumexRoute(network, gateway);
    }
    static void Remove(Routing& routing, const Network& network, const Address& gateway) {
        routing.RemoveLumexRoute(network, gateway);
    }
    static bool IsDefaultGateway(Routing& routing, const Address& gateway) {
        return gateway == routing.GetLumexDefaultGateway() || gateway == routing.GetLumexConfigDefaultGateway();
    }
    static void ClearDefaultGateway(Routing& routing) { routing.SetLumexDefaultGateway(Address("0.0.0.0"), false); }

    static std::vector<Routing::Ipv4Route> Current(Routing& routing, int kind) {
        return routing.GetCurrentLumexRoutes(kind);
    }
    static std::string NetworkText(const Network& network) { return network.GetNetwork().GetStringAddress(); }
    static std::string NetmaskText(const Network& network) { return network.GetNetmask().GetStringAddress(); }
    static int PrefixLength(const Network& network) { return network.GetPrefixLength(); }
    // Only IPv4 routes say where the default gateway came from.
    static void FillSource(Routing& routing, const Network& network, RowBuilder& rows, RowBuilder::Column& sources,
                           Parvik::MetaObj::MetaStruct& record) {
        record.SetField(RouteFields::kSource, rows.Shared(sources, routing.GetDefaultGatewaySource(network)));
    }
};

struct Ipv6Routes {
    using Address = Kavrel::Network::Ipv6Address;
    using Network = Kavrel::Network::Ipv6Network;
    using Routing = LmxCtl::Network::RoutingInfoImpl;

    // The IPv6 remove reads gateway and network before it switches the netstack.
    static constexpr bool kSelectNetstackBeforeReading = false;

    static const Network& DefaultRoute() { return Routing::DEFAULT_IPV6_ROUTE; }
    static void Add(Routing& routing, const Network& network, const Address& gateway) {
        routing.AddIpv6LumexRoute(network, gateway);
    }
    static void Remove(Routing& routing, const Network& network, const Address& gateway) {
        routing.RemoveIpv6LumexRoute(network, gateway);
    }
    static bool IsDefaultGateway(Routing& routing, const Address& gateway) {
        return gateway == routing.GetIpv6LumexDefaultGateway() || gateway == routing.GetIpv6LumexConfigDefaultGateway();
    }
    static void ClearDefaultGateway(Routing& routing) { routing.SetIpv6LumexDefaultGateway(Address()); }

    static std::vector<Routing::Ipv6Route> Current(Routing& routing, int kind) {
        return routing.GetCurrentIpv6LumexRoutes(kind);
    }
    static std::string NetworkText(const Network& network) { return network.GetAddress().GetStringAddress(); }
    static std::string NetmaskText(const Network& network) {
        return Network::NetmaskFromNumber(network.GetNetmask()).GetStringAddress();
    }
    static int PrefixLength(const Network& network) { return network.GetNetmask(); }
    static void FillSource(Routing&, const Network&, RowBuilder&, RowBuilder::Column&, Parvik::MetaObj::MetaStruct&) {}
};

// network, gateway and netstack, as add and remove take them.
InputSpecPtr RouteChangeInputSpec(const std::string& networkDescription, const std::string& gatewayDescription);

// "default" stands for the family's default route; anything else is parsed.
template <typename Family>
typename Family::Network RouteNetwork(const std::string& text) {
    return text == "default" ? Family::DefaultRoute() : typename Family::Network(text);
}

const std::string& RouteNetworkText(const InputPtr& input);
const std::string& RouteGatewayText(const InputPtr& input);

template <typename Family>
void AddRoute(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        typename Family::Routing routing(kDefaultNetstack);
        SelectGivenNetstack(routing, input);
        typename Family::Address gateway(RouteGatewayText(input));
        Family::Add(routing, RouteNetwork<Family>(RouteNetworkText(input)), gateway);
        SetSuccess(output);
    });
}

// Removing the default route clears the default gateway, and only when the
// given gateway is the live or the configured one.
template <typename Family>
void RemoveRoute(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        typename Family::Routing routing(kDefaultNetstack);
        if (Family::kSelectNetstackBeforeReading) SelectGivenNetstack(routing, input);
        const std::string& gatewayText = RouteGatewayText(input);
        typename Family::Address gateway(gatewayText);
        typename Family::Network network = RouteNetwork<Family>(RouteNetworkText(input));
        if (!Family::kSelectNetstackBeforeReading) SelectGivenNetstack(routing, input);
        if (!(network == Family::DefaultRoute())) {
            Family::Remove(routing, network, gateway);
            SetSuccess(output);
            return;
        }
        if (!Family::IsDefaultGateway(routing, gateway)) {
            output->AddErrorMessage(gatewayText + " is not a default route.");
            return;
        }
        Family::ClearDefaultGateway(routing);
        SetSuccess(output);
    });
}

// The route listing; the record layout is the caller's, its first four fields
// are those of RouteFields.
template <typename Family>
void ListRoutes(const InputPtr& input, const OutputPtr& output, const RecordPtr& layout) {
    WithStandardErrors(output, [&] {
        typename Family::Routing routing(kDefaultNetstack);
        SelectGivenNetstack(routing, input);
        int kind = 0;
        if (!PortsetKindFromType(input, output, routing.GetNetstackInstanceKey(), kind)) return;
        auto list = MakeRecordList(layout);
        auto routes = Family::Current(routing, kind);
        list->Reserve(routes.size());
        RowBuilder rows(layout);
        RowBuilder::KeyedColumn<int> netmasks;
        RowBuilder::KeyedColumn<typename Family::Address> gateways;
        RowBuilder::Column interfaces, sources;
        for (const auto& route : routes) {
            auto record = rows.NewRow();
            bool isDefault = route.network == Family::DefaultRoute();
            record->SetField(RouteFields::kNetwork,
                             rows.Own(isDefault ? std::string("default") : Family::NetworkText(route.network)));
            record->SetField(RouteFields::kNetmask, rows.Shared(netmasks, Family::PrefixLength(route.network),
                                                                [&] { return Family::NetmaskText(route.network); }));
            record->SetField(RouteFields::kGateway,
                             rows.Shared(gateways, route.gateway, [&] { return route.gateway.GetStringAddress(); }));
            record->SetField(RouteFields::kInterface, rows.Shared(interfaces, route.interfaceName));
            Family::FillSource(routing, route.network, rows, sources, *record);
            list->Add(record);
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
