// Lumex network interfaces: creation and removal at a switch connection point,
// per-interface changes, and the names of interface tags.
#include <algorithm>
#include <cstdio>

#include "core/Faults.h"
#include "core/HostStore.h"
#include "hostcommon/AddressRules.h"
#include "ip/IpConfigModelConvert.h"
#include "ip/LmxNicLookup.h"
#include "kavrel/Lib.h"
#include "lmxctl/LumexNicInfoImpl.h"
#include "lmxctl/VirtualSwitch.h"
#include "model/IpStackModel.h"
#include "model/LmxNicModel.h"
#include "model/VswitchModel.h"
#include "vswitch/VswitchStore.h"

namespace LmxCtl {
namespace Network {

using Kavrel::Lib::KavrelException;
using Kavrel::Network::LmxNic;
using Kavrel::Network::LmxNicTagType;
using SimHost::CheckFault;
using SimHost::HostStore;
using SimHost::LmxNicInventory;
using SimHost::LmxNicModel;

namespace {

constexpr int kDefaultMtu = 1500;
constexpr int kMaxRxQueues = 1000;
constexpr int kMaxInterfaces = 256;
constexpr int64_t kFirstDVPortId = 50331649;  // host port ids of distributed ports start here

// What a connection point names, read once.
struct PointInfo {
    int type = 0;
    std::string portgroup;
    std::string dvsName;
    std::string dvsUuid;
    std::string dvPortId;
};

KavrelException NoSuchDVSwitch(const PointInfo& info) {
    return KavrelException("DVPort " + info.dvPortId + " names no DVSwitch of this host");
}

PointInfo Describe(const Kavrel::Network::ConnectionPoint& point) {
    PointInfo info;
    if (const auto* group = dynamic_cast<const PortGroupImpl*>(&point)) {
        info.type = Kavrel::Network::CONNECTION_POINT_PORTGROUP;
        info.portgroup = group->GetName();
        return info;
    }
    if (const auto* port = dynamic_cast<const DVPortImpl*>(&point)) {
        info.type = Kavrel::Network::CONNECTION_POINT_DVPORT;
        info.dvsName = port->GetSwitchName();
        info.dvPortId = port->GetId();
        const auto* dvswitch =
            SimHost::FindDVSwitch(HostStore::Instance().Read<SimHost::DVSwitchInventory>(), info.dvsName);
        if (!dvswitch) throw NoSuchDVSwitch(info);
        info.dvsUuid = dvswitch->id;
        return info;
    }
    throw KavrelException("Unsupported connection point for a Lumex network interface");
}

std::string DescribePoint(const PointInfo& info) {
    if (info.type == Kavrel::Network::CONNECTION_POINT_PORTGROUP) return "port group " + info.portgroup;
    return "DVPort " + info.dvPortId + " of DVSwitch " + info.dvsName;
}

bool Attached(const LmxNicModel& nic, const PointInfo& info) {
    const auto& point = nic.connectionPoint;
    if (point.type != info.type) return false;
    if (info.type == Kavrel::Network::CONNECTION_POINT_PORTGROUP) return point.portgroup == info.portgroup;
    return point.dvsUuid == info.dvsUuid && point.dvPortId == info.dvPortId;
}

// "lmx" and 0 to 255 without leading zeros.
bool IsInterfaceName(const std::string& name) {
    if (name.size() < 4 || name.size() > 6 || name.compare(0, 3, "lmx") != 0) return false;
    std::string digits = name.substr(3);
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
    if (digits.size() > 1 && digits[0] == '0') return false;
    return std::stoi(digits) <= 255;
}

std::string NextFreeName(const LmxNicInventory& inventory) {
    for (int number = 0; number < kMaxInterfaces; ++number) {
        std::string name = "lmx" + std::to_string(number);
        if (!SimHost::FindLmxNic(inventory, name)) return name;
    }
    throw KavrelException("No free Lumex network interface name: lmx0 to lmx255 are all in use");
}

// Locally administered unicast addresses 02:6c:78:00:00:01 onwards, the first one free:
// one of the first n + 1 always is, and a host holds far fewer than 2^24 interfaces.
Kavrel::Network::MacAddress NextFreeMac(const LmxNicInventory& inventory) {
    for (uint32_t serial = 1;; ++serial) {
        Kavrel::Network::MacAddress mac(
            std::array<uint8_t, 6>{0x02, 0x6c, 0x78, uint8_t(serial >> 16), uint8_t(serial >> 8), uint8_t(serial)});
        bool used = std::any_of(inventory.lmxnics.begin(), inventory.lmxnics.end(), [&](const LmxNicModel& nic) {
            return Kavrel::Network::MacAddress::IsValid(nic.macAddress) &&
                   Kavrel::Network::MacAddress(nic.macAddress) == mac;
        });
        if (!used) return mac;
    }
}

std::string TagText(LmxNicTagType tag) {
    const char* name = LmxNicTagIdToName(tag);
    return name ? std::string(name) : std::to_string(tag);
}

// The configuration kept across restarts: what was asked for, without what the
// network handed out (DHCP leases, autoconfigured and DHCPv6 IPv6 addresses).
SimHost::IpConfigModel ConfiguredPart(const Kavrel::Network::IpConfig& config) {
    auto model = SimHost::FromIpConfig(config);
    if (model.useDhcp) {
        model.ipv4Address = model.ipv4Netmask = model.ipv4Gateway = "0.0.0.0";
    }
    auto& addresses = model.ipv6Addresses;
    addresses.erase(std::remove_if(addresses.begin(), addresses.end(),
                                   [](const SimHost::Ipv6AddressModel& address) { return address.type != 0; }),
                    addresses.end());
    return model;
}

void RemoveNamed(const std::string& name) {
    SimHost::Transaction transaction(HostStore::Instance());
    auto& inventory = transaction.Edit<LmxNicInventory>();
    auto found = std::find_if(inventory.lmxnics.begin(), inventory.lmxnics.end(),
                              [&](const LmxNicModel& nic) { return nic.name == name; });
    if (found == inventory.lmxnics.end()) throw SimHost::NoSuchLmxNic(name);
    if (found->system) throw KavrelException("Cannot remove " + name + ": it is a system interface of the host");
    inventory.lmxnics.erase(found);
    SimHost::DisconnectClient(transaction.Edit<SimHost::VirtualSwitchInventory>(),
                              transaction.Edit<SimHost::DVSwitchInventory>(), name);
    transaction.Commit();
}

}  // namespace

// --- changes of one interface

namespace {
template <typename Change>
void UpdateNic(const std::string& name, Change&& change) {
    HostStore::Instance().Update<LmxNicInventory>(
        [&](LmxNicInventory& inventory) { change(SimHost::LmxNicIn(inventory, name)); });
}
}  // namespace

void LmxNicImpl::Enable() {
    CheckFault("LmxNicImpl::Enable");
    UpdateNic(name_, [](LmxNicModel& nic) { nic.enabled = true; });
    stale_ = true;
}

void LmxNicImpl::Disable() {
    CheckFault("LmxNicImpl::Disable");
    UpdateNic(name_, [](LmxNicModel& nic) { nic.enabled = false; });
    stale_ = true;
}

void LmxNicImpl::SetMtu(int mtu) {
    CheckFault("LmxNicImpl::SetMtu");
    if (mtu != 0) HostRules::CheckMtu(mtu);
    UpdateNic(name_, [&](LmxNicModel& nic) { nic.mtu = mtu == 0 ? kDefaultMtu : mtu; });
    stale_ = true;
}

void LmxNicImpl::SetIpConfig(Kavrel::Network::IpConfig config) {
    CheckFault("LmxNicImpl::SetIpConfig");
    UpdateNic(name_, [&](LmxNicModel& nic) {
        HostRules::CheckIpConfigChange(SimHost::ToIpConfig(nic.ipConfig), config);
        nic.ipConfig = SimHost::FromIpConfig(config);
        nic.configuredIpConfig = ConfiguredPart(config);
    });
    stale_ = true;
}

void LmxNicImpl::AddTag(LmxNicTagType tag, bool /*persistOnly*/) {
    CheckFault("LmxNicImpl::AddTag");
    if (!LmxNicTagIdToName(tag)) throw KavrelException("Invalid tag " + std::to_string(tag));
    UpdateNic(name_, [&](LmxNicModel& nic) {
        if (std::find(nic.tags.begin(), nic.tags.end(), tag) == nic.tags.end()) nic.tags.push_back(tag);
    });
}

void LmxNicImpl::RemoveTag(LmxNicTagType tag) {
    CheckFault("LmxNicImpl::RemoveTag");
    UpdateNic(name_, [&](LmxNicModel& nic) {
        auto found = std::find(nic.tags.begin(), nic.tags.end(), tag);
        if (found == nic.tags.end()) {
            throw KavrelException("Tag " + TagText(tag) + " is not set on interface " + name_);
        }
        nic.tags.erase(found);
    });
}

void LmxNicImpl::Remove() {
    CheckFault("LmxNicImpl::Remove");
    RemoveNamed(name_);
    stale_ = true;
}

// --- creation and removal at a connection point

std::shared_ptr<LmxNicImpl> LumexNicInfoImpl::AddLumexNic(const Kavrel::Network::ConnectionPoint& point,
                                                          const std::string& netstack,
                                                          const Kavrel::Network::IpConfig& config,
                                                          const Kavrel::Network::MacAddress& mac, int offloadFlags,
                                                          int mtu, int numRxQueue, const std::string& name,
                                                          bool system) {
    CheckFault("LumexNicInfoImpl::AddLumexNic");
    if (offloadFlags != 0) throw KavrelException("Unsupported offload flags " + std::to_string(offloadFlags));
    PointInfo info = Describe(point);
    if (!SimHost::FindNetstack(HostStore::Instance().Read<SimHost::NetstackTable>(), netstack)) {
        throw KavrelException("Netstack instance " + netstack + " does not exist");
    }
    if (mtu != 0) HostRules::CheckMtu(mtu);
    HostRules::CheckIpConfigChange(Kavrel::Network::IpConfig(), config);
    if (numRxQueue < 0 || numRxQueue > kMaxRxQueues) {
        throw KavrelException("Number of RX dispatch queues " + std::to_string(numRxQueue) + " is out of range: 1 to " +
                              std::to_string(kMaxRxQueues));
    }

    SimHost::Transaction transaction(HostStore::Instance());
    auto& inventory = transaction.Edit<LmxNicInventory>();
    LmxNicModel nic;
    nic.name = name.empty() ? NextFreeName(inventory) : name;
    if (!IsInterfaceName(nic.name)) {
        throw KavrelException("Invalid interface name " + nic.name + ": the name must be lmx0 to lmx255");
    }
    if (SimHost::FindLmxNic(inventory, nic.name)) {
        throw KavrelException("A Lumex network interface named " + nic.name + " already exists");
    }
    Kavrel::Network::MacAddress address = mac.IsZero() ? NextFreeMac(inventory) : mac;
    if (address.GetBytes()[0] & 1) {
        throw KavrelException("MAC address " + address.GetStringAddress() + " is not a unicast address");
    }
    for (const auto& other : inventory.lmxnics) {
        if (Kavrel::Network::MacAddress::IsValid(other.macAddress) &&
            Kavrel::Network::MacAddress(other.macAddress) == address) {
            throw KavrelException("MAC address " + address.GetStringAddress() + " is already used by " + other.name);
        }
    }
    nic.macAddress = address.GetStringAddress();
    nic.netstack = netstack;
    nic.mtu = mtu == 0 ? kDefaultMtu : mtu;
    nic.numRxQueue = numRxQueue == 0 ? 1 : numRxQueue;
    nic.system = system;
    nic.connectionPoint.type = info.type;

    if (info.type == Kavrel::Network::CONNECTION_POINT_PORTGROUP) {
        auto& switches = transaction.Edit<SimHost::VirtualSwitchInventory>();
        const auto* holder = SimHost::SwitchOfPortGroup(switches, info.portgroup);
        if (!holder) throw KavrelException("Port group " + info.portgroup + " does not exist");
        nic.portset = holder->name;
        SimHost::PortModel port;
        port.clientName = nic.name;
        port.clientType = "lmxnic";
        port.macAddresses = {nic.macAddress};
        nic.portId = SimHost::ConnectStandardPort(switches, info.portgroup, port);
        nic.connectionPoint.portgroup = info.portgroup;
    } else {
        auto& distributed = transaction.Edit<SimHost::DVSwitchInventory>();
        SimHost::DVSwitchModel* dvswitch = nullptr;
        for (auto& candidate : distributed.dvswitches) {
            if (candidate.id == info.dvsUuid) dvswitch = &candidate;
        }
        // Found by name when the point was described, within the same transaction.
        if (!dvswitch) throw NoSuchDVSwitch(info);
        auto port = std::find_if(dvswitch->dvports.begin(), dvswitch->dvports.end(),
                                 [&](const SimHost::DVPortModel& candidate) { return candidate.id == info.dvPortId; });
        if (port == dvswitch->dvports.end()) {
            throw KavrelException("DVPort " + info.dvPortId + " does not exist on DVSwitch " + dvswitch->name);
        }
        if (port->uplink) throw KavrelException("DVPort " + info.dvPortId + " is an uplink port");
        if (port->inUse || !port->clients.empty()) {
            throw KavrelException("DVPort " + info.dvPortId + " of DVSwitch " + dvswitch->name + " is already in use");
        }
        uint32_t connectionId = port->connectionId;
        if (connectionId == 0) {
            connectionId = SimHost::ConnectDVPort(*dvswitch, *port, nic.name);
        } else {
            port->clients.push_back(SimHost::DVConnectionModel{connectionId, nic.name});
        }
        nic.portset = dvswitch->name;
        int64_t highest = kFirstDVPortId - 1;
        for (const auto& other : inventory.lmxnics) {
            if (other.portset == nic.portset) highest = std::max(highest, other.portId);
        }
        nic.portId = highest + 1;
        // The connection is the interface's port: it carries the same ID.
        port->clients.back().portId = static_cast<uint32_t>(nic.portId);
        nic.connectionPoint.dvsUuid = info.dvsUuid;
        nic.connectionPoint.dvPortId = info.dvPortId;
        nic.connectionPoint.connectionId = connectionId;
    }
    nic.ipConfig = SimHost::FromIpConfig(config);
    nic.configuredIpConfig = ConfiguredPart(config);
    std::string created = nic.name;
    inventory.lmxnics.push_back(std::move(nic));
    transaction.Commit();
    return std::make_shared<LmxNicImpl>(created);
}

void LumexNicInfoImpl::RemoveLumexNic(const Kavrel::Network::ConnectionPoint& point, const std::string& netstack) {
    CheckFault("LumexNicInfoImpl::RemoveLumexNic");
    PointInfo info = Describe(point);
    for (const auto& nic : HostStore::Instance().Read<LmxNicInventory>().lmxnics) {
        if (nic.netstack == netstack && Attached(nic, info)) {
            std::string name = nic.name;
            RemoveNamed(name);
            return;
        }
    }
    throw KavrelException("No Lumex network interface of netstack " + netstack + " is attached to " +
                          DescribePoint(info));
}

// --- switch objects as connection points

int PortGroupImpl::GetConnectionPointType() const { return Kavrel::Network::CONNECTION_POINT_PORTGROUP; }

bool PortGroupImpl::IsValid() const {
    CheckFault("PortGroupImpl::IsValid");
    return IsValidPortGroup(name_);
}

int DVPortImpl::GetConnectionPointType() const { return Kavrel::Network::CONNECTION_POINT_DVPORT; }

}  // namespace Network
}  // namespace LmxCtl
