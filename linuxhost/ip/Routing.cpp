// Routes and neighbours of a netstack on a Linux host: the main routing table
// and the neighbour cache of its namespace, over rtnetlink. Nothing is kept
// between calls: other programs change the kernel at any time.
#include <arpa/inet.h>
#include <libmnl/libmnl.h>
#include <linux/neighbour.h>
#include <linux/rtnetlink.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <map>
#include <optional>
#include <tuple>
#include <utility>

#include "core/Changes.h"
#include "core/CommandScope.h"
#include "core/Links.h"
#include "core/Netlink.h"
#include "core/Netstack.h"
#include "hostcommon/AddressRules.h"
#include "kavrel/Lib.h"
#include "kavrel/Portset.h"
#include "lmxctl/IpStack.h"

namespace LmxCtl {
namespace Network {

using namespace Kavrel::Network;
using Kavrel::Lib::KavrelException;

namespace {

// A route as the main table holds it.
struct KernelRoute {
    std::array<uint8_t, 16> destination{};
    int prefixLength = 0;
    std::array<uint8_t, 16> gateway{};
    int interfaceIndex = 0;
    uint8_t protocol = 0;
    uint8_t scope = 0;
    uint32_t priority = 0;  // the metric
};

// A dump's entries are kept in chunks: a vector grown by doubling touches
// about twice its final size in fresh pages, and on a virtualised host the
// page faults of a 10,000-entry table cost more than reading it.
template <typename Entry>
using DumpedEntries = std::deque<Entry>;
using KernelRoutes = DumpedEntries<KernelRoute>;

std::map<int, std::string> ShownNames(const std::string& netstack) {
    std::map<int, std::string> names;
    for (const auto& link : LinuxHost::DumpLinks(netstack)) names[link.index] = LinuxHost::ShownNameOf(link);
    return names;
}

void CopyAddress(const nlattr* attribute, std::array<uint8_t, 16>& bytes) {
    if (!attribute) return;
    const size_t size = std::min<size_t>(mnl_attr_get_payload_len(attribute), bytes.size());
    std::memcpy(bytes.data(), mnl_attr_get_payload(attribute), size);
}

// The unicast routes of the namespace's main table, in the kernel's order.
KernelRoutes MainTable(const std::string& netstack, int family) {
    LinuxHost::NetlinkSocket& socket = LinuxHost::RouteSocket(netstack);
    LinuxHost::NetlinkRequest request(RTM_GETROUTE, NLM_F_REQUEST | NLM_F_DUMP);
    request.Put<rtmsg>()->rtm_family = static_cast<unsigned char>(family);
    KernelRoutes routes;
    LinuxHost::Attributes attributes(RTA_MAX);
    socket.Talk(request, [&](const nlmsghdr* message) {
        const auto* header = static_cast<const rtmsg*>(mnl_nlmsg_get_payload(message));
        attributes.Parse(message, sizeof(rtmsg));
        const uint32_t table = attributes.U32(RTA_TABLE, header->rtm_table);
        if (table != RT_TABLE_MAIN || header->rtm_type != RTN_UNICAST) return;
        KernelRoute route;
        route.prefixLength = header->rtm_dst_len;
        route.protocol = header->rtm_protocol;
        route.scope = header->rtm_scope;
        route.priority = attributes.U32(RTA_PRIORITY);
        CopyAddress(attributes[RTA_DST], route.destination);
        CopyAddress(attributes[RTA_GATEWAY], route.gateway);
        route.interfaceIndex = static_cast<int>(attributes.U32(RTA_OIF));
        routes.push_back(route);
    });
    return routes;
}

Ipv4Address V4(const std::array<uint8_t, 16>& bytes) {
    uint32_t value;
    std::memcpy(&value, bytes.data(), sizeof value);
    return Ipv4Address(ntohl(value));
}

// Adds (create-exclusive: the kernel decides what exists) or removes one
// route of the main table. exact: the route as read before, whose protocol,
// scope, metric and device the request names (to re-add it as it was, or
// remove just it).
void ChangeRoute(const std::string& netstack, uint16_t type, int family, int prefixLength, const void* destination,
                 const void* gateway, size_t addressSize, const KernelRoute* exact = nullptr) {
    LinuxHost::NetlinkSocket& socket = LinuxHost::RouteSocket(netstack);
    LinuxHost::NetlinkRequest request = LinuxHost::AddOrDeleteRequest(type == RTM_NEWROUTE, RTM_NEWROUTE, RTM_DELROUTE);
    auto* header = request.Put<rtmsg>();
    header->rtm_family = static_cast<unsigned char>(family);
    header->rtm_dst_len = static_cast<unsigned char>(prefixLength);
    header->rtm_table = RT_TABLE_MAIN;
    header->rtm_protocol = RTPROT_STATIC;
    header->rtm_scope = type == RTM_NEWROUTE ? RT_SCOPE_UNIVERSE : RT_SCOPE_NOWHERE;
    header->rtm_type = RTN_UNICAST;
    if (exact) {
        header->rtm_protocol = exact->protocol;
        if (type == RTM_NEWROUTE) header->rtm_scope = exact->scope;
    }
    if (prefixLength > 0) request.PutBytes(RTA_DST, destination, addressSize);
    request.PutBytes(RTA_GATEWAY, gateway, addressSize);
    if (exact) {
        request.PutU32(RTA_PRIORITY, exact->priority);
        if (exact->interfaceIndex) request.PutU32(RTA_OIF, static_cast<uint32_t>(exact->interfaceIndex));
    }
    socket.Ask(request);
}

// The kernel's refusal of a route change in the words the host uses
// elsewhere for the same cases.
template <typename Network, typename Address>
[[noreturn]] void RouteRefused(const KavrelException& refusal, bool adding, const Network& network,
                               const Address& gateway, bool isDefault) {
    const std::string reason = refusal.GetDescription();
    if (adding && reason.rfind(std::strerror(EEXIST), 0) == 0) {
        if (isDefault) throw KavrelException("A default route already exists");
        throw KavrelException("A route to " + network.GetStringAddress() + " already exists");
    }
    if (!adding && reason.rfind(std::strerror(ESRCH), 0) == 0) {
        throw KavrelException("No route to " + network.GetStringAddress() + " via " + gateway.GetStringAddress());
    }
    throw KavrelException(std::string(adding ? "Cannot add" : "Cannot remove") + " the route to " +
                          network.GetStringAddress() + " via " + gateway.GetStringAddress() + ": " + reason);
}

std::string RoutePlan(bool adding, const std::string& network, const std::string& gateway,
                      const std::string& netstack) {
    return std::string("route ") + (adding ? "add " : "del ") + network + " via " + gateway + " table main netstack " +
           netstack;
}

std::string ProtocolName(uint8_t protocol) {
    switch (protocol) {
    case RTPROT_KERNEL: return "kernel";
    case RTPROT_BOOT: return "boot";
    case RTPROT_STATIC: return "static";
    case RTPROT_DHCP: return "dhcp";
    default: return std::to_string(protocol);
    }
}

std::string ScopeName(uint8_t scope) {
    switch (scope) {
    case RT_SCOPE_UNIVERSE: return "global";
    case RT_SCOPE_LINK: return "link";
    case RT_SCOPE_HOST: return "host";
    default: return std::to_string(scope);
    }
}

// The route a removal takes away: the first (lowest-metric) one of the main
// table with that destination and gateway, whichever program added it. It is
// read first so that the removal names just it and its way back re-adds it
// with all it had.
std::optional<KernelRoute> RouteToRemove(const std::string& netstack, int family, int prefixLength,
                                         const std::array<uint8_t, 16>& destination,
                                         const std::array<uint8_t, 16>& via) {
    for (const auto& route : MainTable(netstack, family)) {
        if (route.prefixLength == prefixLength && route.destination == destination && route.gateway == via) {
            return route;
        }
    }
    return std::nullopt;
}

// The way back from a removal: the route added again as it was.
LinuxHost::Undo ReAddRoute(const std::string& netstack, int family, const std::string& shown,
                           const std::string& gateway, const std::array<uint8_t, 16>& destination,
                           const std::array<uint8_t, 16>& via, size_t addressSize, const KernelRoute& route) {
    const auto names = ShownNames(netstack);
    auto name = names.find(route.interfaceIndex);
    const std::string plan = "route add " + shown + " via " + gateway + " dev " +
                             (name == names.end() ? "#" + std::to_string(route.interfaceIndex) : name->second) +
                             " protocol " + ProtocolName(route.protocol) + " metric " + std::to_string(route.priority) +
                             " scope " + ScopeName(route.scope) + " table main netstack " + netstack;
    return {plan, [=] {
                ChangeRoute(netstack, RTM_NEWROUTE, family, route.prefixLength, destination.data(), via.data(),
                            addressSize, &route);
            }};
}

// In a dry run the kernel is not asked: what it would refuse for existing
// or missing routes is found from the table as it is now.
template <typename Network, typename Address>
void PlanRoute(const KernelRoutes& routes, bool adding, const Network& network, const Address& gateway,
               const std::array<uint8_t, 16>& destination, const std::array<uint8_t, 16>& via, bool isDefault) {
    bool exists = false, viaGateway = false;
    for (const auto& route : routes) {
        if (route.prefixLength != network.GetPrefixLength() || route.destination != destination) continue;
        exists = true;
        viaGateway = viaGateway || route.gateway == via;
    }
    if (adding && exists) {
        if (isDefault) throw KavrelException("A default route already exists");
        throw KavrelException("A route to " + network.GetStringAddress() + " already exists");
    }
    if (!adding && !viaGateway) {
        throw KavrelException("No route to " + network.GetStringAddress() + " via " + gateway.GetStringAddress());
    }
}

// An IPv6 network's prefix length under the name the IPv4 one has.
struct Ipv6Prefix {
    const Ipv6Network& network;
    int GetPrefixLength() const { return network.GetNetmask(); }
    std::string GetStringAddress() const { return network.GetStringAddress(); }
};

// One route of either family, its addresses as the kernel holds them
// (network order, the first addressSize bytes used).
template <typename Network, typename Address>
void ChangeFamilyRoute(const std::string& netstack, bool adding, int family, const Network& network,
                       const Address& gateway, bool isDefault, const std::array<uint8_t, 16>& destinationBytes,
                       const std::array<uint8_t, 16>& viaBytes, size_t addressSize, bool replacing) {
    LinuxHost::RequireNetstack(netstack);
    if (LinuxHost::Planning() && !replacing) {
        PlanRoute(MainTable(netstack, family), adding, network, gateway, destinationBytes, viaBytes, isDefault);
    }
    const std::string shown = isDefault ? "default" : network.GetStringAddress();
    const int prefixLength = network.GetPrefixLength();
    const std::optional<KernelRoute> removed =
        adding || LinuxHost::Planning() ? std::nullopt
                                        : RouteToRemove(netstack, family, prefixLength, destinationBytes, viaBytes);
    auto send = [=](bool add) {
        ChangeRoute(netstack, add ? RTM_NEWROUTE : RTM_DELROUTE, family, prefixLength, destinationBytes.data(),
                    viaBytes.data(), addressSize, removed ? &*removed : nullptr);
    };
    LinuxHost::Change(
        RoutePlan(adding, shown, gateway.GetStringAddress(), netstack),
        [&] {
            try {
                send(adding);
            } catch (const KavrelException& refusal) {
                RouteRefused(refusal, adding, network, gateway, isDefault);
            }
        },
        removed
            ? ReAddRoute(netstack, family, shown, gateway.GetStringAddress(), destinationBytes, viaBytes, addressSize,
                         *removed)
            : LinuxHost::Undo{RoutePlan(!adding, shown, gateway.GetStringAddress(), netstack), [=] { send(!adding); }});
}

// replacing: the add follows a planned removal of the same route, which a
// dry run's table still holds.
void ChangeIpv4(const std::string& netstack, bool adding, const Ipv4Network& network, const Ipv4Address& gateway,
                bool replacing = false) {
    const uint32_t destination = htonl(network.GetNetwork().GetValue());
    const uint32_t via = htonl(gateway.GetValue());
    std::array<uint8_t, 16> destinationBytes{}, viaBytes{};
    std::memcpy(destinationBytes.data(), &destination, 4);
    std::memcpy(viaBytes.data(), &via, 4);
    ChangeFamilyRoute(netstack, adding, AF_INET, network, gateway, network == RoutingInfoImpl::DEFAULT_IPV4_ROUTE,
                      destinationBytes, viaBytes, 4, replacing);
}

void ChangeIpv6(const std::string& netstack, bool adding, const Ipv6Network& network, const Ipv6Address& gateway,
                bool replacing = false) {
    ChangeFamilyRoute(netstack, adding, AF_INET6, Ipv6Prefix{network}, gateway,
                      network == RoutingInfoImpl::DEFAULT_IPV6_ROUTE, network.GetAddress().GetBytes(),
                      gateway.GetBytes(), 16, replacing);
}

const KernelRoute* DefaultRoute(const KernelRoutes& routes) {
    for (const auto& route : routes) {
        if (route.prefixLength == 0) return &route;
    }
    return nullptr;
}

// Neighbour cache entries of one family, with their kernel state.
struct KernelNeighbor {
    std::array<uint8_t, 16> address{};
    std::optional<std::array<uint8_t, 6>> mac;  // formatted only when listed
    int interfaceIndex = 0;
    uint16_t state = 0;
    uint8_t flags = 0;
    int64_t expiry = 0;
};

// How long a device's neighbours stay reachable after their last
// confirmation, in milliseconds, by device index (0: the table's default),
// from the kernel's neighbour tables: the value each device drew from its
// base reachable time.
std::map<int, uint64_t> ReachableTimes(LinuxHost::NetlinkSocket& socket, int family) {
    std::map<int, uint64_t> times;
    LinuxHost::NetlinkRequest request(RTM_GETNEIGHTBL, NLM_F_REQUEST | NLM_F_DUMP);
    request.Put<ndtmsg>()->ndtm_family = static_cast<unsigned char>(family);
    socket.Talk(request, [&](const nlmsghdr* message) {
        const auto* header = static_cast<const ndtmsg*>(mnl_nlmsg_get_payload(message));
        if (header->ndtm_family != family) return;
        LinuxHost::Attributes table(NDTA_MAX);
        table.Parse(message, sizeof(ndtmsg));
        LinuxHost::Attributes parameters(NDTPA_MAX);
        parameters.ParseNested(table[NDTA_PARMS]);
        if (const uint64_t reachable = parameters.U64(NDTPA_REACHABLE_TIME)) {
            times[static_cast<int>(parameters.U32(NDTPA_IFINDEX))] = reachable;
        }
    });
    return times;
}

DumpedEntries<KernelNeighbor> NeighborCache(const std::string& netstack, int family) {
    LinuxHost::NetlinkSocket& socket = LinuxHost::RouteSocket(netstack);
    const std::map<int, uint64_t> reachableTimes = ReachableTimes(socket, family);
    auto reachableTimeOf = [&](int index) -> uint64_t {
        auto found = reachableTimes.find(index);
        if (found == reachableTimes.end()) found = reachableTimes.find(0);
        return found == reachableTimes.end() ? 0 : found->second;
    };
    LinuxHost::NetlinkRequest request(RTM_GETNEIGH, NLM_F_REQUEST | NLM_F_DUMP);
    request.Put<ndmsg>()->ndm_family = static_cast<unsigned char>(family);
    DumpedEntries<KernelNeighbor> entries;
    const long ticks = sysconf(_SC_CLK_TCK);
    LinuxHost::Attributes attributes(NDA_MAX);
    socket.Talk(request, [&](const nlmsghdr* message) {
        const auto* header = static_cast<const ndmsg*>(mnl_nlmsg_get_payload(message));
        if (header->ndm_state & (NUD_NOARP | NUD_FAILED)) return;  // local and unresolved entries
        attributes.Parse(message, sizeof(ndmsg));
        KernelNeighbor entry;
        CopyAddress(attributes[NDA_DST], entry.address);
        if (const nlattr* mac = attributes[NDA_LLADDR]; mac && mnl_attr_get_payload_len(mac) == 6) {
            entry.mac.emplace();
            std::memcpy(entry.mac->data(), mnl_attr_get_payload(mac), 6);
        }
        entry.interfaceIndex = header->ndm_ifindex;
        entry.state = header->ndm_state;
        entry.flags = header->ndm_flags;
        // Seconds until a reachable entry needs confirming again: the
        // device's reachable time less the time since the last confirmation
        // (the kernel gives that age). No other state runs out by a timer.
        if (const nlattr* info = attributes[NDA_CACHEINFO]; info &&
                                                            mnl_attr_get_payload_len(info) >= sizeof(nda_cacheinfo) &&
                                                            ticks > 0 && (header->ndm_state & NUD_REACHABLE)) {
            nda_cacheinfo cache;
            std::memcpy(&cache, mnl_attr_get_payload(info), sizeof cache);
            const uint64_t ageMs = static_cast<uint64_t>(cache.ndm_confirmed) * 1000 / static_cast<uint64_t>(ticks);
            const uint64_t reachableMs = reachableTimeOf(header->ndm_ifindex);
            entry.expiry = reachableMs > ageMs ? static_cast<int64_t>((reachableMs - ageMs) / 1000) : 0;
        }
        entries.push_back(entry);
    });
    return entries;
}

// The neighbour cache as the command's listing read it, in the order of
// address and shown interface name, so that asking about each listed entry
// reads the kernel once per command, not once per entry. The order is kept as
// small keys beside the entries: sorting and looking up move no strings.
struct NeighborKey {
    std::array<uint8_t, 16> address;
    uint32_t nameRank;  // the shown name's place in NeighborSnapshot::names
    uint32_t entry;     // the entry's place in the kernel's order
    bool operator<(const NeighborKey& other) const {
        return std::tie(address, nameRank, entry) < std::tie(other.address, other.nameRank, other.entry);
    }
};

struct NeighborSnapshot {
    unsigned command = 0;
    std::string netstack;
    int family = 0;
    DumpedEntries<KernelNeighbor> entries;
    std::vector<std::string> names;  // the shown interface names, sorted
    std::vector<NeighborKey> order;
    size_t lastFound = 0;  // listings ask about their rows in order
};

NeighborSnapshot& Snapshot() {
    static NeighborSnapshot snapshot;
    return snapshot;
}

NeighborSnapshot& ReadNeighbors(const std::string& netstack, int family) {
    NeighborSnapshot& snapshot = Snapshot();
    if (snapshot.command == LinuxHost::CurrentCommand() && snapshot.netstack == netstack && snapshot.family == family &&
        snapshot.command != 0) {
        return snapshot;
    }
    const auto shown = ShownNames(netstack);
    snapshot.names.clear();
    snapshot.names.emplace_back();  // devices gone since the dump
    for (const auto& [index, name] : shown) snapshot.names.push_back(name);
    std::sort(snapshot.names.begin(), snapshot.names.end());
    snapshot.names.erase(std::unique(snapshot.names.begin(), snapshot.names.end()), snapshot.names.end());
    snapshot.entries = NeighborCache(netstack, family);
    snapshot.order.clear();
    snapshot.order.reserve(snapshot.entries.size());
    for (size_t i = 0; i < snapshot.entries.size(); ++i) {
        auto name = shown.find(snapshot.entries[i].interfaceIndex);
        const std::string& shownName = name == shown.end() ? snapshot.names.front() : name->second;
        const auto rank = std::lower_bound(snapshot.names.begin(), snapshot.names.end(), shownName);
        snapshot.order.push_back({snapshot.entries[i].address, static_cast<uint32_t>(rank - snapshot.names.begin()),
                                  static_cast<uint32_t>(i)});
    }
    std::sort(snapshot.order.begin(), snapshot.order.end());
    // One entry per address and name (the first the kernel gave).
    snapshot.order.erase(std::unique(snapshot.order.begin(), snapshot.order.end(),
                                     [](const NeighborKey& a, const NeighborKey& b) {
                                         return a.address == b.address && a.nameRank == b.nameRank;
                                     }),
                         snapshot.order.end());
    snapshot.lastFound = 0;
    snapshot.command = LinuxHost::CurrentCommand();
    snapshot.netstack = netstack;
    snapshot.family = family;
    return snapshot;
}

// The kernel's entry for a listed neighbour; null when it is gone.
template <typename Neighbor>
const KernelNeighbor* FindNeighbor(const std::string& netstack, int family, const Neighbor& neighbor,
                                   const std::array<uint8_t, 16>& address) {
    NeighborSnapshot& snapshot = ReadNeighbors(netstack, family);
    const auto name = std::lower_bound(snapshot.names.begin(), snapshot.names.end(), neighbor.interfaceName);
    if (name == snapshot.names.end() || *name != neighbor.interfaceName) return nullptr;
    const auto rank = static_cast<uint32_t>(name - snapshot.names.begin());
    auto matches = [&](size_t at) {
        return at < snapshot.order.size() && snapshot.order[at].address == address &&
               snapshot.order[at].nameRank == rank;
    };
    size_t at = snapshot.lastFound + 1;
    if (!matches(at)) {
        at = static_cast<size_t>(
            std::lower_bound(snapshot.order.begin(), snapshot.order.end(), NeighborKey{address, rank, 0}) -
            snapshot.order.begin());
        if (!matches(at)) return nullptr;
    }
    snapshot.lastFound = at;
    return &snapshot.entries[snapshot.order[at].entry];
}

template <typename Neighbor, typename Convert>
void ListNeighbors(const std::string& netstack, int family, const std::string& interfaceName, int kind,
                   std::vector<Neighbor>& neighbors, Convert convert) {
    LinuxHost::RequireNetstack(netstack);
    if (kind == PORTSET_GET_SYSTEM) return;  // a Linux host keeps no interfaces of its own
    const NeighborSnapshot& snapshot = ReadNeighbors(netstack, family);
    neighbors.reserve(neighbors.size() + snapshot.order.size());
    for (const auto& key : snapshot.order) {
        const std::string& name = snapshot.names[key.nameRank];
        if (!interfaceName.empty() && name != interfaceName) continue;
        const KernelNeighbor& entry = snapshot.entries[key.entry];
        Neighbor neighbor;
        neighbor.address = convert(entry.address);
        if (entry.mac) neighbor.macAddress = MacAddress(*entry.mac).GetStringAddress();
        neighbor.interfaceName = name;
        neighbor.expiry = entry.expiry;
        neighbors.push_back(std::move(neighbor));
    }
}

std::string NeighborTypeOf(const KernelNeighbor* entry) {
    if (!entry) return "Unknown";
    if (entry->flags & NTF_ROUTER) return "Router";
    return (entry->state & NUD_PERMANENT) ? "Static" : "Dynamic";
}

std::array<uint8_t, 16> BytesOf(const Ipv4Address& address) {
    std::array<uint8_t, 16> bytes{};
    const uint32_t value = htonl(address.GetValue());
    std::memcpy(bytes.data(), &value, sizeof value);
    return bytes;
}

std::string StateName(uint16_t state) {
    if (state & NUD_PERMANENT) return "permanent";
    if (state & NUD_REACHABLE) return "reachable";
    if (state & NUD_STALE) return "stale";
    if (state & NUD_DELAY) return "delay";
    if (state & NUD_PROBE) return "probe";
    return "incomplete";
}

// The way back from a removal: the entry added again with its link-layer
// address, state and router flag. A learnt entry comes back in its state but
// its timers start anew; one still being resolved has no address to restore.
LinuxHost::Undo ReAddNeighbor(const std::string& netstack, int family, const std::array<uint8_t, 16>& address,
                              size_t addressSize, const std::string& shown, const std::string& name,
                              const KernelNeighbor& entry) {
    std::string plan = "neighbor add " + shown + " lladdr " +
                       (entry.mac ? MacAddress(*entry.mac).GetStringAddress() : std::string("none")) + " dev " + name +
                       " nud " + StateName(entry.state) + (entry.flags & NTF_ROUTER ? " router" : "") + " netstack " +
                       netstack;
    if (!entry.mac) {
        return {plan +
                    " (it cannot come back: it was still being resolved and had no link-layer address; the kernel "
                    "resolves it again when it is used)",
                {}};
    }
    if (!(entry.state & NUD_PERMANENT)) plan += " (a learnt entry: its timers start anew)";
    return {plan, [=] {
                LinuxHost::NetlinkSocket& socket = LinuxHost::RouteSocket(netstack);
                LinuxHost::NetlinkRequest request(RTM_NEWNEIGH, NLM_F_REQUEST | NLM_F_CREATE | NLM_F_REPLACE);
                auto* header = request.Put<ndmsg>();
                header->ndm_family = static_cast<unsigned char>(family);
                header->ndm_ifindex = entry.interfaceIndex;
                header->ndm_state = entry.state;
                header->ndm_flags = entry.flags & NTF_ROUTER;
                request.PutBytes(NDA_DST, address.data(), addressSize);
                request.PutBytes(NDA_LLADDR, entry.mac->data(), entry.mac->size());
                socket.Ask(request);
            }};
}

// Removes every entry for the address (on one interface, or on all when
// interfaceName is empty), all or none.
void RemoveNeighbors(const std::string& netstack, int family, const std::array<uint8_t, 16>& address,
                     size_t addressSize, const std::string& interfaceName, const std::string& shown) {
    LinuxHost::RequireNetstack(netstack);
    const auto names = ShownNames(netstack);
    bool removed = false;
    LinuxHost::AllOrNothing([&] {
        for (const auto& entry : NeighborCache(netstack, family)) {
            if (std::memcmp(entry.address.data(), address.data(), addressSize) != 0) continue;
            auto found = names.find(entry.interfaceIndex);
            const std::string name = found == names.end() ? std::string() : found->second;
            if (!interfaceName.empty() && name != interfaceName) continue;
            LinuxHost::Change(
                "neighbor del " + shown + " dev " + name + " netstack " + netstack,
                [&] {
                    LinuxHost::NetlinkSocket& socket = LinuxHost::RouteSocket(netstack);
                    LinuxHost::NetlinkRequest request(RTM_DELNEIGH, NLM_F_REQUEST);
                    auto* header = request.Put<ndmsg>();
                    header->ndm_family = static_cast<unsigned char>(family);
                    header->ndm_ifindex = entry.interfaceIndex;
                    request.PutBytes(NDA_DST, address.data(), addressSize);
                    socket.Ask(request);
                },
                LinuxHost::Planning() ? LinuxHost::Undo{}
                                      : ReAddNeighbor(netstack, family, address, addressSize, shown, name, entry));
            removed = true;
        }
    });
    if (!removed) throw KavrelException("Neighbor " + shown + " not found");
}

}  // namespace

RoutingInfoImpl::RoutingInfoImpl(const std::string& netstackKey) : key_(netstackKey) {}
RoutingInfoImpl::~RoutingInfoImpl() = default;

void RoutingInfoImpl::SetNetstackInstanceKey(const std::string& key) { key_ = key; }
void RoutingInfoImpl::Refresh() {}

void RoutingInfoImpl::AddLumexRoute(const Ipv4Network& network, const Ipv4Address& gateway) {
    HostRules::CheckIpv4Unicast(gateway, "Gateway");
    ChangeIpv4(key_, true, network, gateway);
}

void RoutingInfoImpl::RemoveLumexRoute(const Ipv4Network& network, const Ipv4Address& gateway) {
    ChangeIpv4(key_, false, network, gateway);
}

void RoutingInfoImpl::AddIpv6LumexRoute(const Ipv6Network& network, const Ipv6Address& gateway) {
    HostRules::CheckIpv6Unicast(gateway, "Gateway");
    ChangeIpv6(key_, true, network, gateway);
}

void RoutingInfoImpl::RemoveIpv6LumexRoute(const Ipv6Network& network, const Ipv6Address& gateway) {
    ChangeIpv6(key_, false, network, gateway);
}

// On a live kernel the configured gateway is the one the kernel holds.
Ipv4Address RoutingInfoImpl::GetLumexDefaultGateway() {
    LinuxHost::RequireNetstack(key_);
    const auto routes = MainTable(key_, AF_INET);
    const KernelRoute* route = DefaultRoute(routes);
    return route ? V4(route->gateway) : Ipv4Address();
}

Ipv4Address RoutingInfoImpl::GetLumexConfigDefaultGateway() { return GetLumexDefaultGateway(); }

void RoutingInfoImpl::SetLumexDefaultGateway(const Ipv4Address& gateway, bool) {
    LinuxHost::RequireNetstack(key_);
    const Ipv4Address current = GetLumexDefaultGateway();
    if (current == gateway) return;
    if (!gateway.IsZero()) HostRules::CheckIpv4Unicast(gateway, "Gateway");
    // A new route that the kernel refuses puts the old one back.
    LinuxHost::AllOrNothing([&] {
        if (!current.IsZero()) ChangeIpv4(key_, false, DEFAULT_IPV4_ROUTE, current);
        if (!gateway.IsZero()) ChangeIpv4(key_, true, DEFAULT_IPV4_ROUTE, gateway, !current.IsZero());
    });
}

Ipv6Address RoutingInfoImpl::GetIpv6LumexDefaultGateway() {
    LinuxHost::RequireNetstack(key_);
    const auto routes = MainTable(key_, AF_INET6);
    const KernelRoute* route = DefaultRoute(routes);
    return route ? Ipv6Address(route->gateway) : Ipv6Address();
}

Ipv6Address RoutingInfoImpl::GetIpv6LumexConfigDefaultGateway() { return GetIpv6LumexDefaultGateway(); }

void RoutingInfoImpl::SetIpv6LumexDefaultGateway(const Ipv6Address& gateway) {
    LinuxHost::RequireNetstack(key_);
    const Ipv6Address current = GetIpv6LumexDefaultGateway();
    if (current == gateway) return;
    if (!gateway.IsUnspecified()) HostRules::CheckIpv6Unicast(gateway, "Gateway");
    LinuxHost::AllOrNothing([&] {
        if (!current.IsUnspecified()) ChangeIpv6(key_, false, DEFAULT_IPV6_ROUTE, current);
        if (!gateway.IsUnspecified()) ChangeIpv6(key_, true, DEFAULT_IPV6_ROUTE, gateway, !current.IsUnspecified());
    });
}

std::vector<RoutingInfoImpl::Ipv4Route> RoutingInfoImpl::GetCurrentLumexRoutes(int kind) {
    LinuxHost::RequireNetstack(key_);
    std::vector<Ipv4Route> routes;
    if (kind == PORTSET_GET_SYSTEM) return routes;  // a Linux host keeps no interfaces of its own
    const auto kernelRoutes = MainTable(key_, AF_INET);
    const auto names = ShownNames(key_);
    routes.reserve(kernelRoutes.size());
    for (const auto& route : kernelRoutes) {
        auto name = names.find(route.interfaceIndex);
        routes.push_back({Ipv4Network(V4(route.destination), route.prefixLength), V4(route.gateway),
                          name == names.end() ? std::string() : name->second});
    }
    return routes;
}

std::vector<RoutingInfoImpl::Ipv6Route> RoutingInfoImpl::GetCurrentIpv6LumexRoutes(int kind) {
    LinuxHost::RequireNetstack(key_);
    std::vector<Ipv6Route> routes;
    if (kind == PORTSET_GET_SYSTEM) return routes;
    const auto kernelRoutes = MainTable(key_, AF_INET6);
    const auto names = ShownNames(key_);
    routes.reserve(kernelRoutes.size());
    for (const auto& route : kernelRoutes) {
        auto name = names.find(route.interfaceIndex);
        routes.push_back({Ipv6Network(Ipv6Address(route.destination), route.prefixLength), Ipv6Address(route.gateway),
                          name == names.end() ? std::string() : name->second});
    }
    return routes;
}

// "DHCP" for a default route a DHCP client added, "MANUAL" for any other.
std::string RoutingInfoImpl::GetDefaultGatewaySource(const Ipv4Network& network) {
    if (network != DEFAULT_IPV4_ROUTE) return "N/A";
    const auto routes = MainTable(key_, AF_INET);
    const KernelRoute* route = DefaultRoute(routes);
    if (!route || V4(route->gateway).IsZero()) return "N/A";
    return route->protocol == RTPROT_DHCP ? "DHCP" : "MANUAL";
}

void RoutingInfoImpl::GetCurrentIpv4LumexNeighbors(std::vector<Ipv4Neighbor>& neighbors,
                                                   const std::string& interfaceName, int kind) {
    ListNeighbors(key_, AF_INET, interfaceName, kind, neighbors,
                  [](const std::array<uint8_t, 16>& bytes) { return V4(bytes); });
}

void RoutingInfoImpl::GetCurrentIpv6LumexNeighbors(std::vector<Ipv6Neighbor>& neighbors,
                                                   const std::string& interfaceName, int kind) {
    ListNeighbors(key_, AF_INET6, interfaceName, kind, neighbors,
                  [](const std::array<uint8_t, 16>& bytes) { return Ipv6Address(bytes); });
}

std::string RoutingInfoImpl::GetIpv4NeighborType(const Ipv4Neighbor& neighbor) {
    return NeighborTypeOf(FindNeighbor(key_, AF_INET, neighbor, BytesOf(neighbor.address)));
}

std::string RoutingInfoImpl::GetIpv6NeighborType(const Ipv6Neighbor& neighbor) {
    return NeighborTypeOf(FindNeighbor(key_, AF_INET6, neighbor, neighbor.address.GetBytes()));
}

// The kernel's neighbour states in the words the host shows.
std::string RoutingInfoImpl::GetIpv6NeighborState(const Ipv6Neighbor& neighbor) {
    const auto entry = FindNeighbor(key_, AF_INET6, neighbor, neighbor.address.GetBytes());
    if (!entry) return "Unknown";
    if (entry->state & NUD_PERMANENT) return "Independent";
    if (entry->state & NUD_REACHABLE) return "Reachable";
    if (entry->state & NUD_STALE) return "Stale";
    if (entry->state & NUD_DELAY) return "Delay";
    if (entry->state & NUD_PROBE) return "Probe";
    if (entry->state & NUD_INCOMPLETE) return "Incomplete";
    return "Unknown";
}

void RoutingInfoImpl::RemoveIpv4Neighbor(const Ipv4Neighbor& neighbor) {
    RemoveNeighbors(key_, AF_INET, BytesOf(neighbor.address), 4, neighbor.interfaceName,
                    neighbor.address.GetStringAddress());
}

void RoutingInfoImpl::RemoveIpv6Neighbor(const Ipv6Neighbor& neighbor) {
    RemoveNeighbors(key_, AF_INET6, neighbor.address.GetBytes(), 16, neighbor.interfaceName,
                    neighbor.address.GetStringAddress());
}

}  // namespace Network
}  // namespace LmxCtl
