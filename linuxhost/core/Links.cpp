// Reading the devices of a netstack over rtnetlink.
#include "core/Links.h"

#include <libmnl/libmnl.h>
#include <linux/if.h>
#include <linux/if_link.h>
#include <linux/rtnetlink.h>
#include <sys/socket.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

#include "core/Changes.h"
#include "core/Netlink.h"
#include "core/Netstack.h"
#include "kavrel/Lib.h"
#include "lmxctl/IpStack.h"

namespace LinuxHost {

namespace {

bool IsInterfaceName(const std::string& name) {
    if (name.size() < 4 || name.size() > 6 || name.compare(0, 3, "lmx") != 0) return false;
    for (size_t i = 3; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') return false;
    }
    if (name.size() > 4 && name[3] == '0') return false;  // lmx01 is not lmx1
    return std::stoi(name.substr(3)) <= 255;
}

std::vector<uint8_t> Bytes(const nlattr* attribute) {
    if (!attribute) return {};
    const auto* data = static_cast<const uint8_t*>(mnl_attr_get_payload(attribute));
    return std::vector<uint8_t>(data, data + mnl_attr_get_payload_len(attribute));
}

// One answer to RTM_GETLINK, dumped or asked for alone.
Link ParseLink(const nlmsghdr* message) {
    const auto* info = static_cast<const ifinfomsg*>(mnl_nlmsg_get_payload(message));
    Attributes attributes(IFLA_MAX);
    attributes.Parse(message, sizeof(ifinfomsg));
    Link link;
    link.index = info->ifi_index;
    link.device = attributes.String(IFLA_IFNAME);
    link.flags = info->ifi_flags;
    link.mtu = attributes.U32(IFLA_MTU);
    link.address = Bytes(attributes[IFLA_ADDRESS]);
    link.permanentAddress = Bytes(attributes[IFLA_PERM_ADDRESS]);
    link.rxQueues = attributes.U32(IFLA_NUM_RX_QUEUES);
    link.gsoMaxSize = attributes.U32(IFLA_GSO_MAX_SIZE);
    if (const nlattr* stats = attributes[IFLA_STATS64]) {
        std::memcpy(&link.stats, mnl_attr_get_payload(stats),
                    std::min<size_t>(sizeof link.stats, mnl_attr_get_payload_len(stats)));
    }
    if (const nlattr* properties = attributes[IFLA_PROP_LIST]) {
        // Walked by hand: the library's nest iterator does not compile as C++.
        int left = mnl_attr_get_payload_len(properties);
        for (auto* property = static_cast<const nlattr*>(mnl_attr_get_payload(properties)); mnl_attr_ok(property, left);
             left -= MNL_ALIGN(property->nla_len), property = mnl_attr_next(property)) {
            if (mnl_attr_get_type(property) != IFLA_ALT_IFNAME) continue;
            const char* text = static_cast<const char*>(mnl_attr_get_payload(property));
            link.altNames.emplace_back(text, strnlen(text, mnl_attr_get_payload_len(property)));
        }
    }
    return link;
}

}  // namespace

std::vector<Link> DumpLinks(const std::string& netstack) {
    NetlinkSocket& socket = RouteSocket(netstack);
    NetlinkRequest request(RTM_GETLINK, NLM_F_REQUEST | NLM_F_DUMP);
    request.Put<ifinfomsg>()->ifi_family = AF_UNSPEC;
    std::vector<Link> links;
    socket.Talk(request, [&](const nlmsghdr* message) {
        if (message->nlmsg_type == RTM_NEWLINK) links.push_back(ParseLink(message));
    });
    return links;
}

namespace {
// The device the kernel finds by `name`, its own name or an alternative one,
// asked for alone; none where the netstack holds no such device.
std::optional<Link> LinkNamed(const std::string& netstack, const std::string& name) {
    NetlinkRequest request(RTM_GETLINK, NLM_F_REQUEST);
    request.Put<ifinfomsg>()->ifi_family = AF_UNSPEC;
    request.PutString(IFLA_IFNAME, name);
    std::optional<Link> link;
    try {
        RouteSocket(netstack).Talk(request, [&](const nlmsghdr* message) {
            if (message->nlmsg_type == RTM_NEWLINK) link = ParseLink(message);
        });
    } catch (const Kavrel::Lib::KavrelException&) {
        return std::nullopt;  // ENODEV: the only refusal of a well-formed name
    }
    return link;
}
}  // namespace

std::optional<Link> ReadLinkOfDevice(const std::string& netstack, const std::string& device) {
    std::optional<Link> link = LinkNamed(netstack, device);
    if (link && link->device != device) return std::nullopt;
    return link;
}

bool IsUp(const Link& link) { return (link.flags & IFF_UP) != 0; }

std::string HardwareAddressText(const std::vector<uint8_t>& bytes) {
    std::string text;
    char part[4];
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(part, sizeof part, i ? ":%02x" : "%02x", bytes[i]);
        text += part;
    }
    return text;
}

Kavrel::Network::MacAddress MacAddressOf(const Link& link) {
    std::array<uint8_t, 6> bytes{};
    if (link.address.size() != bytes.size()) return Kavrel::Network::MacAddress();
    std::copy(link.address.begin(), link.address.end(), bytes.begin());
    return Kavrel::Network::MacAddress(bytes);
}

std::string InterfaceNameOf(const Link& link) {
    if (IsInterfaceName(link.device)) return link.device;
    // Of several, the lowest number: the same whatever order they were added in.
    std::string lowest;
    for (const auto& name : link.altNames) {
        if (IsInterfaceName(name) && (lowest.empty() || std::stoi(name.substr(3)) < std::stoi(lowest.substr(3)))) {
            lowest = name;
        }
    }
    return lowest;
}

std::string ShownNameOf(const Link& link) {
    std::string name = InterfaceNameOf(link);
    return name.empty() ? link.device : name;
}

std::optional<Link> FindLink(const std::vector<Link>& links, const std::string& name) {
    for (const auto& link : links) {
        if (InterfaceNameOf(link) == name) return link;
    }
    for (const auto& link : links) {
        if (link.device == name) return link;
    }
    return std::nullopt;
}

// Each netstack is asked for the one device by name, not for all of them:
// a listing of a thousand interfaces locates each in a request of its own.
LocatedLink LocateInterface(const std::string& name) {
    if (IsInterfaceName(name)) {
        std::vector<std::string> netstacks{LmxCtl::Network::kDefaultNetstackKey};
        for (const auto& named : NamedNetstacks()) netstacks.push_back(named);
        for (const auto& netstack : netstacks) {
            std::optional<Link> link = LinkNamed(netstack, name);
            // A device with a lower interface name is that interface only.
            if (link && InterfaceNameOf(*link) == name) return {netstack, std::move(*link)};
        }
    }
    throw Kavrel::Lib::KavrelException("No such Lumex network interface: " + name);
}

namespace {
// The kernel's refusal names the change and the device ("Cannot set the MTU
// of ip0 to 9000: Invalid argument"): a driver's own refusal comes without words.
void ChangeLink(const std::string& netstack, int index, const std::string& device, unsigned upFlag,
                const uint32_t* mtu) {
    NetlinkSocket& socket = RouteSocket(netstack);
    NetlinkRequest request(RTM_NEWLINK, NLM_F_REQUEST);
    auto* info = request.Put<ifinfomsg>();
    info->ifi_family = AF_UNSPEC;
    info->ifi_index = index;
    if (!mtu) {
        info->ifi_change = IFF_UP;
        info->ifi_flags = upFlag;
    } else {
        request.PutU32(IFLA_MTU, *mtu);
    }
    try {
        socket.Ask(request);
    } catch (const Kavrel::Lib::KavrelException& refusal) {
        const std::string change = mtu ? "set the MTU of " + device + " to " + std::to_string(*mtu)
                                       : std::string("bring ") + device + (upFlag ? " up" : " down");
        throw Kavrel::Lib::KavrelException("Cannot " + change + ": " + refusal.GetDescription());
    }
}

// The device as it is before a change: its name for the plan and the value
// a way back restores.
Link LinkBefore(const std::string& netstack, int index) {
    for (auto& link : DumpLinks(netstack)) {
        if (link.index == index) return link;
    }
    Link unknown;
    unknown.index = index;
    unknown.device = "#" + std::to_string(index);
    return unknown;
}

std::string UpPlan(const Link& link, bool up, const std::string& netstack) {
    return "link set " + link.device + (up ? " up" : " down") + " netstack " + netstack;
}

std::string MtuPlan(const Link& link, uint32_t mtu, const std::string& netstack) {
    return "link set " + link.device + " mtu " + std::to_string(mtu) + " netstack " + netstack;
}
}  // namespace

void SetLinkUp(const std::string& netstack, int index, bool up) {
    const Link before = LinkBefore(netstack, index);
    const bool wasUp = IsUp(before);
    const std::string device = before.device;
    Change(
        UpPlan(before, up, netstack), [&] { ChangeLink(netstack, index, device, up ? IFF_UP : 0, nullptr); },
        {UpPlan(before, wasUp, netstack), [=] { ChangeLink(netstack, index, device, wasUp ? IFF_UP : 0, nullptr); }});
}

void SetLinkMtu(const std::string& netstack, int index, uint32_t mtu) {
    const Link before = LinkBefore(netstack, index);
    const uint32_t previous = before.mtu;
    const std::string device = before.device;
    Change(MtuPlan(before, mtu, netstack), [&] { ChangeLink(netstack, index, device, 0, &mtu); },
           {MtuPlan(before, previous, netstack), [=] { ChangeLink(netstack, index, device, 0, &previous); }});
}

}  // namespace LinuxHost
