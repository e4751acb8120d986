// Netstack instances, sockets, the host-wide IPv6 switch and world names.
#include <algorithm>
#include <cctype>
#include <iterator>
#include <unordered_map>

#include "core/Faults.h"
#include "core/HostStore.h"
#include "core/StoredIndex.h"
#include "ip/NetstackKey.h"
#include "ip/WorldNames.h"
#include "kavrel/Lib.h"
#include "kavrel/NetworkInfo.h"
#include "lmxctl/IpStack.h"
#include "model/IpStackModel.h"
#include "model/LmxNicModel.h"

namespace LmxCtl {
namespace Network {

using Kavrel::Lib::KavrelException;
using Kavrel::Network::NETSTACK_STATE_ENABLED;
using SimHost::CheckFault;
using SimHost::HostStore;
using SimHost::NetstackModel;
using SimHost::NetstackTable;

namespace {

const int kMinConnections = 1;
const int kMaxConnections = 64000;
constexpr const char* kEcnStatuses[] = {"disabled", "enabled", "echo-only"};

NetstackModel& Editable(NetstackTable& table, const std::string& key) {
    for (auto& instance : table.instances) {
        if (instance.key == key) return instance;
    }
    throw KavrelException("Netstack instance " + key + " does not exist");
}

const NetstackModel& ExistingNetstack(const std::string& key) {
    const auto* instance = SimHost::StoredNetstack(key);
    if (!instance) throw KavrelException("Netstack instance " + key + " does not exist");
    return *instance;
}

void CheckMaxConnections(int maxConnections) {
    if (maxConnections < kMinConnections || maxConnections > kMaxConnections) {
        throw KavrelException("Maximum connections " + std::to_string(maxConnections) + " is out of range [" +
                              std::to_string(kMinConnections) + ", " + std::to_string(kMaxConnections) + "]");
    }
}

void CheckCcAlgorithm(const std::string& algorithm) {
    auto known = NetstackInstanceImpl::GetCongestionControlAlgorithmList();
    if (std::find(known.begin(), known.end(), algorithm) == known.end()) {
        throw KavrelException("Unknown congestion control algorithm " + algorithm);
    }
}

void CheckEcn(const std::string& status) {
    if (std::find(std::begin(kEcnStatuses), std::end(kEcnStatuses), status) == std::end(kEcnStatuses)) {
        throw KavrelException("Invalid ECN status " + status);
    }
}

void CheckKey(const std::string& key) {
    if (SimHost::IsValidNetstackKey(key)) return;
    throw KavrelException("Invalid netstack instance key '" + key +
                          "': a key is 1 to 31 letters, digits, '_', '-' and '.', begins with a letter, "
                          "a digit or '_' and has no \"..\"");
}

template <typename Body>
void ChangeInstance(const std::string& key, Body&& change) {
    HostStore::Instance().Update<NetstackTable>([&](NetstackTable& table) { change(Editable(table, key)); });
}

}  // namespace

NetstackInstanceImpl::NetstackInstanceImpl(const std::string& key) : key_(key) {}

NetstackInstanceImpl::~NetstackInstanceImpl() = default;

std::vector<std::string> NetstackInstanceImpl::GetCongestionControlAlgorithmList() { return {"newreno", "cubic"}; }

std::string NetstackInstanceImpl::GetName() const {
    CheckFault("NetstackInstanceImpl::GetName");
    return detached_ ? key_ : ExistingNetstack(key_).name;
}

int NetstackInstanceImpl::GetState() const {
    CheckFault("NetstackInstanceImpl::GetState");
    return detached_ ? 0 : ExistingNetstack(key_).state;
}

int NetstackInstanceImpl::GetMaxConnections() const {
    CheckFault("NetstackInstanceImpl::GetMaxConnections");
    return detached_ ? maxConnections_ : ExistingNetstack(key_).maxConnections;
}

int NetstackInstanceImpl::GetCurrentMaxConnections() const {
    CheckFault("NetstackInstanceImpl::GetCurrentMaxConnections");
    return detached_ ? 0 : ExistingNetstack(key_).currentMaxConnections;
}

std::string NetstackInstanceImpl::GetCongestionControlAlgorithm() const {
    CheckFault("NetstackInstanceImpl::GetCongestionControlAlgorithm");
    return detached_ ? ccAlgorithm_ : ExistingNetstack(key_).ccAlgorithm;
}

bool NetstackInstanceImpl::GetIpv6Enabled() const {
    CheckFault("NetstackInstanceImpl::GetIpv6Enabled");
    return detached_ ? ipv6Enabled_ : ExistingNetstack(key_).ipv6Enabled;
}

bool NetstackInstanceImpl::GetCurrentIpv6Enabled() const {
    CheckFault("NetstackInstanceImpl::GetCurrentIpv6Enabled");
    return detached_ ? false : ExistingNetstack(key_).currentIpv6Enabled;
}

std::string NetstackInstanceImpl::GetEcnStatus() const {
    CheckFault("NetstackInstanceImpl::GetEcnStatus");
    return detached_ ? ecnStatus_ : ExistingNetstack(key_).ecn;
}

void NetstackInstanceImpl::SetName(const std::string& name, bool) {
    CheckFault("NetstackInstanceImpl::SetName");
    if (name.empty()) throw KavrelException("A netstack instance name cannot be empty");
    ChangeInstance(key_, [&](NetstackModel& instance) { instance.name = name; });
}

void NetstackInstanceImpl::Enable(bool) {
    CheckFault("NetstackInstanceImpl::Enable");
    ChangeInstance(key_, [&](NetstackModel& instance) {
        if (instance.state == NETSTACK_STATE_ENABLED) return;
        // Creation in the kernel takes the configured values.
        instance.state = NETSTACK_STATE_ENABLED;
        instance.currentMaxConnections = instance.maxConnections;
        instance.currentIpv6Enabled = instance.ipv6Enabled;
    });
}

void NetstackInstanceImpl::Disable(bool) {
    CheckFault("NetstackInstanceImpl::Disable");
    if (key_ == kDefaultNetstackKey) throw KavrelException("The default netstack instance cannot be disabled");
    ChangeInstance(key_, [&](NetstackModel& instance) {
        const auto& nics = HostStore::Instance().Read<SimHost::LmxNicInventory>().lmxnics;
        for (const auto& nic : nics) {
            if (nic.netstack == key_) {
                throw KavrelException("Netstack instance " + key_ + " still has Lumex network interfaces");
            }
        }
        instance.state = 0;
        instance.currentMaxConnections = 0;
        instance.currentIpv6Enabled = false;
    });
}

void NetstackInstanceImpl::SetMaxConnections(int maxConnections, bool) {
    CheckFault("NetstackInstanceImpl::SetMaxConnections");
    CheckMaxConnections(maxConnections);
    ChangeInstance(key_, [&](NetstackModel& instance) { instance.maxConnections = maxConnections; });
}

void NetstackInstanceImpl::SetCongestionControlAlgorithm(const std::string& algorithm, bool) {
    CheckFault("NetstackInstanceImpl::SetCongestionControlAlgorithm");
    CheckCcAlgorithm(algorithm);
    ChangeInstance(key_, [&](NetstackModel& instance) { instance.ccAlgorithm = algorithm; });
}

void NetstackInstanceImpl::SetIpv6Enabled(bool enabled, bool) {
    CheckFault("NetstackInstanceImpl::SetIpv6Enabled");
    ChangeInstance(key_, [&](NetstackModel& instance) { instance.ipv6Enabled = enabled; });
}

void NetstackInstanceImpl::SetEcnStatus(const std::string& status) {
    CheckFault("NetstackInstanceImpl::SetEcnStatus");
    CheckEcn(status);
    ChangeInstance(key_, [&](NetstackModel& instance) { instance.ecn = status; });
}

}  // namespace Network

namespace Resource {

ResourceInfoImpl::ResourceInfoImpl() = default;
ResourceInfoImpl::~ResourceInfoImpl() = default;

std::string ResourceInfoImpl::GetWorldName(int64_t worldId) {
    SimHost::CheckFault("ResourceInfoImpl::GetWorldName");
    const auto* name = SimHost::StoredWorldName(worldId);
    return name ? *name : std::string();
}

}  // namespace Resource
}  // namespace LmxCtl

namespace Kavrel {
namespace Network {

using Lib::KavrelException;
using LmxCtl::Network::kDefaultNetstackKey;
using LmxCtl::Network::NetstackInstanceImpl;
using SimHost::CheckFault;
using SimHost::HostStore;
using SimHost::NetstackTable;

std::vector<std::shared_ptr<NetstackInstance>> NetworkInfo::ListNetstackInstances() {
    CheckFault("NetworkInfo::ListNetstackInstances");
    std::vector<std::shared_ptr<NetstackInstance>> instances;
    for (const auto& instance : HostStore::Instance().Read<NetstackTable>().instances) {
        instances.push_back(std::make_shared<NetstackInstanceImpl>(instance.key));
    }
    return instances;
}

std::shared_ptr<NetstackInstance> NetworkInfo::LookupNetstackInstanceByKey(const std::string& key) {
    CheckFault("NetworkInfo::LookupNetstackInstanceByKey");
    if (!SimHost::StoredNetstack(key)) return nullptr;
    return std::make_shared<NetstackInstanceImpl>(key);
}

void NetworkInfo::AddNetstackInstance(const NetstackInstance& instance, bool disabled) {
    CheckFault("NetworkInfo::AddNetstackInstance");
    const std::string key = instance.GetKey();
    LmxCtl::Network::CheckKey(key);
    LmxCtl::Network::CheckMaxConnections(instance.GetMaxConnections());
    LmxCtl::Network::CheckCcAlgorithm(instance.GetCongestionControlAlgorithm());
    LmxCtl::Network::CheckEcn(instance.GetEcnStatus());
    const auto* impl = dynamic_cast<const NetstackInstanceImpl*>(&instance);
    HostStore::Instance().Update<NetstackTable>([&](NetstackTable& table) {
        if (SimHost::FindNetstack(table, key)) throw KavrelException("Netstack instance " + key + " already exists");
        SimHost::NetstackModel model;
        model.key = key;
        model.name = key;
        model.maxConnections = instance.GetMaxConnections();
        model.ccAlgorithm = instance.GetCongestionControlAlgorithm();
        model.ipv6Enabled = instance.GetIpv6Enabled();
        model.ecn = instance.GetEcnStatus();
        model.type = impl ? impl->GetType() : 2;
        model.state = disabled ? 0 : NETSTACK_STATE_ENABLED;
        model.currentMaxConnections = disabled ? 0 : model.maxConnections;
        model.currentIpv6Enabled = disabled ? false : model.ipv6Enabled;
        table.instances.push_back(model);
    });
}

void NetworkInfo::RemoveNetstackInstance(const std::string& key, bool) {
    CheckFault("NetworkInfo::RemoveNetstackInstance");
    auto& store = HostStore::Instance();
    if (key == kDefaultNetstackKey) throw KavrelException("The default netstack instance cannot be removed");
    if (!SimHost::FindNetstack(store.Read<NetstackTable>(), key)) {
        throw KavrelException("Netstack instance " + key + " does not exist");
    }
    std::string nicNames;
    for (const auto& nic : store.Read<SimHost::LmxNicInventory>().lmxnics) {
        if (nic.netstack == key) nicNames += (nicNames.empty() ? "" : ", ") + nic.name;
    }
    if (!nicNames.empty()) {
        throw KavrelException("Netstack instance " + key + " still has Lumex network interfaces: " + nicNames);
    }
    // Everything the instance owned goes with it.
    SimHost::Transaction transaction(store);
    auto& instances = transaction.Edit<NetstackTable>().instances;
    instances.erase(std::remove_if(instances.begin(), instances.end(),
                                   [&](const SimHost::NetstackModel& instance) { return instance.key == key; }),
                    instances.end());
    auto& tables = transaction.Edit<SimHost::RoutingTables>().tables;
    tables.erase(std::remove_if(tables.begin(), tables.end(),
                                [&](const SimHost::RoutingTableModel& table) { return table.netstack == key; }),
                 tables.end());
    auto& neighbors = transaction.Edit<SimHost::NeighborTables>();
    auto ofKey = [&](const SimHost::NeighborModel& neighbor) { return neighbor.netstack == key; };
    neighbors.ipv4.erase(std::remove_if(neighbors.ipv4.begin(), neighbors.ipv4.end(), ofKey), neighbors.ipv4.end());
    neighbors.ipv6.erase(std::remove_if(neighbors.ipv6.begin(), neighbors.ipv6.end(), ofKey), neighbors.ipv6.end());
    auto& connections = transaction.Edit<SimHost::ConnectionTable>().connections;
    connections.erase(std::remove_if(connections.begin(), connections.end(),
                                     [&](const SimHost::ConnectionModel& socket) { return socket.netstack == key; }),
                      connections.end());
    // A key the host could not have stored (a hand-edited state) has no resolver file.
    if (SimHost::IsValidNetstackKey(key)) {
        auto resolver = LmxCtl::Network::DnsConfigImpl::ResolverPath(key);
        if (store.ReadText(resolver)) transaction.Remove(resolver);
    }
    transaction.Commit();
}

namespace {

enum SocketKind { kTcp, kUdp, kRawIp };

SocketKind KindOf(const std::string& protocol) {
    if (protocol.rfind("tcp", 0) == 0) return kTcp;
    if (protocol.rfind("udp", 0) == 0) return kUdp;
    return kRawIp;
}

void Sockets(std::vector<TcpIpConnection>& connections, const std::string& netstack, SocketKind kind) {
    auto& store = HostStore::Instance();
    const auto* instance = SimHost::FindNetstack(store.Read<NetstackTable>(), netstack);
    if (!instance) throw KavrelException("Netstack instance " + netstack + " does not exist");
    const auto& sockets = store.Read<SimHost::ConnectionTable>().connections;
    connections.reserve(connections.size() + sockets.size());  // untouched room costs no memory
    for (const auto& socket : sockets) {
        if (socket.netstack != netstack || KindOf(socket.protocol) != kind) continue;
        connections.push_back(TcpIpConnection{socket.protocol, socket.recvQ, socket.sendQ, socket.localAddress,
                                              socket.localPort, socket.foreignAddress, socket.foreignPort, socket.state,
                                              socket.ccAlgorithm, socket.worldId});
    }
}

}  // namespace

void NetworkInfo::GetCurrentTcpLumexConnections(std::vector<TcpIpConnection>& connections,
                                                const std::string& netstack) {
    CheckFault("NetworkInfo::GetCurrentTcpLumexConnections");
    Sockets(connections, netstack, kTcp);
}

void NetworkInfo::GetCurrentUdpLumexConnections(std::vector<TcpIpConnection>& connections,
                                                const std::string& netstack) {
    CheckFault("NetworkInfo::GetCurrentUdpLumexConnections");
    Sockets(connections, netstack, kUdp);
}

void NetworkInfo::GetCurrentIpLumexConnections(std::vector<TcpIpConnection>& connections, const std::string& netstack) {
    CheckFault("NetworkInfo::GetCurrentIpLumexConnections");
    Sockets(connections, netstack, kRawIp);
}

bool NetworkInfo::IsLmxIpv6Enabled() {
    CheckFault("NetworkInfo::IsLmxIpv6Enabled");
    return HostStore::Instance().Read<NetstackTable>().ipv6Enabled;
}

void NetworkInfo::SetLmxIpv6Enabled(bool enabled) {
    CheckFault("NetworkInfo::SetLmxIpv6Enabled");
    HostStore::Instance().Update<NetstackTable>([&](NetstackTable& table) { table.ipv6Enabled = enabled; });
}

std::vector<std::string> NetworkInfo::GetPredefinedNetstackNames() {
    CheckFault("NetworkInfo::GetPredefinedNetstackNames");
    return {"travex", "faultTolerance", "CeldraProvisioning"};
}

int NetworkInfo::GetNetstackState(const std::string& key) {
    CheckFault("NetworkInfo::GetNetstackState");
    const auto* instance = SimHost::StoredNetstack(key);
    return instance ? instance->state : 0;
}

}  // namespace Network
}  // namespace Kavrel

namespace SimHost {

namespace {
// World names by ID (the first entry of an ID), from the whole section or its view.
template <typename Model>
struct WorldNames {
    std::unordered_map<int64_t, const std::string*> byId;
};

template <typename Model>
const WorldNames<Model>& StoredWorldNames() {
    return HostStore::Instance().Derived<Model, WorldNames<Model>>([](const Model& section) {
        WorldNames<Model> names;
        for (const auto& world : section.worlds) names.byId.emplace(world.id, &world.name);
        return names;
    });
}
}  // namespace

const std::string* StoredWorldName(int64_t worldId) {
    // A listing of sockets has the whole section decoded already; others need
    // only the worlds, and decoding the sockets would cost more than the rest
    // of their work.
    auto& store = HostStore::Instance();
    const auto& byId = store.IsLoaded<ConnectionTable>() ? StoredWorldNames<ConnectionTable>().byId
                                                         : StoredWorldNames<ConnectionWorldsView>().byId;
    auto found = byId.find(worldId);
    return found == byId.end() ? nullptr : found->second;
}

}  // namespace SimHost
