// Netstack instances on a Linux host: network namespaces, with the
// congestion-control, ECN and IPv6 settings the kernel keeps for each.
#include <algorithm>
#include <sstream>

#include "core/Changes.h"
#include "core/Netstack.h"
#include "core/Refusal.h"
#include "core/Sysctl.h"
#include "kavrel/IpStack.h"
#include "kavrel/Lib.h"
#include "kavrel/NetworkInfo.h"
#include "lmxctl/IpStack.h"

namespace Kavrel {
namespace Network {

std::vector<std::shared_ptr<NetstackInstance>> NetworkInfo::ListNetstackInstances() {
    std::vector<std::shared_ptr<NetstackInstance>> instances;
    instances.push_back(std::make_shared<LmxCtl::Network::NetstackInstanceImpl>(LmxCtl::Network::kDefaultNetstackKey));
    for (const auto& name : LinuxHost::NamedNetstacks()) {
        instances.push_back(std::make_shared<LmxCtl::Network::NetstackInstanceImpl>(name));
    }
    return instances;
}

std::shared_ptr<NetstackInstance> NetworkInfo::LookupNetstackInstanceByKey(const std::string& key) {
    try {
        LinuxHost::RequireNetstack(key);
    } catch (const Lib::KavrelException&) {
        return nullptr;
    }
    return std::make_shared<LmxCtl::Network::NetstackInstanceImpl>(key);
}

void NetworkInfo::AddNetstackInstance(const NetstackInstance&, bool) {
    LinuxHost::NotYetOnLinux("Netstack instance additions");
}

void NetworkInfo::RemoveNetstackInstance(const std::string&, bool) {
    LinuxHost::NotYetOnLinux("Netstack instance removals");
}

bool NetworkInfo::IsLmxIpv6Enabled() {
    auto disabled = LinuxHost::ReadSetting(LmxCtl::Network::kDefaultNetstackKey, "ipv6/conf/all/disable_ipv6");
    return disabled && *disabled == "0";
}

// The kernel's switch: disable_ipv6 of "all" turns IPv6 off or on for every
// device at once, and of "default" for devices made later. Both change at
// once and last until the machine restarts (a boot-time sysctl.d setting
// would keep them). Each is changed only when it differs, and both are
// taken back together when the second fails.
void NetworkInfo::SetLmxIpv6Enabled(bool enabled) {
    const std::string netstack = LmxCtl::Network::kDefaultNetstackKey;
    const std::string wanted = enabled ? "0" : "1";
    LinuxHost::AllOrNothing([&] {
        for (const char* path : {"ipv6/conf/default/disable_ipv6", "ipv6/conf/all/disable_ipv6"}) {
            auto before = LinuxHost::ReadSetting(netstack, path);
            if (!before) throw Lib::KavrelException("IPv6 is turned off in this kernel (ipv6.disable=1 at boot)");
            if (*before == wanted) continue;
            const std::string previous = *before;
            std::string setting = std::string("sysctl net.") + path;
            std::replace(setting.begin(), setting.end(), '/', '.');
            LinuxHost::Change(
                setting + "=" + wanted, [&] { LinuxHost::WriteSetting(netstack, path, wanted); },
                LinuxHost::Undo{setting + "=" + previous,
                                [netstack, path, previous] { LinuxHost::WriteSetting(netstack, path, previous); }});
        }
    });
}

// A Linux host dedicates no namespace to one kind of traffic.
std::vector<std::string> NetworkInfo::GetPredefinedNetstackNames() { return {}; }

int NetworkInfo::GetNetstackState(const std::string& key) {
    return LookupNetstackInstanceByKey(key) ? NETSTACK_STATE_ENABLED : 0;
}

}  // namespace Network
}  // namespace Kavrel

namespace LmxCtl {
namespace Network {

using Kavrel::Lib::KavrelException;

namespace {

const char* const kEcnStatuses[] = {"disabled", "enabled", "echo-only"};  // tcp_ecn 0, 1, 2

std::string Setting(const std::string& key, const std::string& path) {
    auto value = LinuxHost::ReadSetting(key, path);
    return value ? *value : "";
}

}  // namespace

NetstackInstanceImpl::NetstackInstanceImpl(const std::string& key) : key_(key) {}
NetstackInstanceImpl::~NetstackInstanceImpl() = default;

std::vector<std::string> NetstackInstanceImpl::GetCongestionControlAlgorithmList() {
    std::istringstream words(Setting(kDefaultNetstackKey, "ipv4/tcp_available_congestion_control"));
    std::vector<std::string> algorithms;
    for (std::string word; words >> word;) algorithms.push_back(word);
    return algorithms;
}

// A namespace has no name of its own beyond the one it is known by.
std::string NetstackInstanceImpl::GetName() const { return key_; }
int NetstackInstanceImpl::GetState() const { return Kavrel::Network::NETSTACK_STATE_ENABLED; }
// The kernel sets no limit on a namespace's connections.
int NetstackInstanceImpl::GetMaxConnections() const { return detached_ ? maxConnections_ : 0; }
int NetstackInstanceImpl::GetCurrentMaxConnections() const { return GetMaxConnections(); }
std::string NetstackInstanceImpl::GetCongestionControlAlgorithm() const {
    return detached_ ? ccAlgorithm_ : Setting(key_, "ipv4/tcp_congestion_control");
}
bool NetstackInstanceImpl::GetIpv6Enabled() const {
    if (detached_) return ipv6Enabled_;
    auto disabled = LinuxHost::ReadSetting(key_, "ipv6/conf/default/disable_ipv6");
    return disabled && *disabled == "0";
}
bool NetstackInstanceImpl::GetCurrentIpv6Enabled() const {
    if (detached_) return ipv6Enabled_;
    auto disabled = LinuxHost::ReadSetting(key_, "ipv6/conf/all/disable_ipv6");
    return disabled && *disabled == "0";
}
std::string NetstackInstanceImpl::GetEcnStatus() const {
    if (detached_) return ecnStatus_;
    const std::string value = Setting(key_, "ipv4/tcp_ecn");
    if (value == "0" || value == "1" || value == "2") return kEcnStatuses[value[0] - '0'];
    return value;
}

void NetstackInstanceImpl::SetName(const std::string&, bool) { LinuxHost::NotYetOnLinux("Netstack instance names"); }
void NetstackInstanceImpl::Enable(bool) { LinuxHost::NotYetOnLinux("Netstack instance changes"); }
void NetstackInstanceImpl::Disable(bool) { LinuxHost::NotYetOnLinux("Netstack instance changes"); }
void NetstackInstanceImpl::SetMaxConnections(int, bool) { LinuxHost::NoEquivalent("Netstack connection limits"); }
void NetstackInstanceImpl::SetCongestionControlAlgorithm(const std::string&, bool) {
    LinuxHost::NotYetOnLinux("Netstack instance changes");
}
void NetstackInstanceImpl::SetIpv6Enabled(bool, bool) { LinuxHost::NotYetOnLinux("Netstack instance changes"); }
void NetstackInstanceImpl::SetEcnStatus(const std::string&) { LinuxHost::NotYetOnLinux("Netstack instance changes"); }

}  // namespace Network
}  // namespace LmxCtl
