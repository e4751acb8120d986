// Interfaces (lmxN) on a Linux host: devices that carry the interface's name,
// their own or an alternative one, in whichever netstack (namespace) holds them.
#include <algorithm>
#include <unordered_map>

#include "core/Addresses.h"
#include "core/Changes.h"
#include "core/Links.h"
#include "core/Netstack.h"
#include "core/Refusal.h"
#include "hostcommon/AddressRules.h"
#include "kavrel/DVSwitch.h"
#include "kavrel/Lib.h"
#include "kavrel/LmxNic.h"
#include "kavrel/Portset.h"
#include "lmxctl/IpStack.h"
#include "lmxctl/LumexNicInfoImpl.h"

namespace LinuxHost {
namespace {

// The device each live interface object found, kept while the object lives
// (within one command): its getters then read the one dump that located it
// instead of dumping every netstack's devices again each. Forgotten when the
// object is refreshed, changes its device, or ends. Kept beside the object,
// by its address: its class is declared once for both hosts (platform/).
using KeptLinks = std::unordered_map<const Kavrel::Network::LmxNic*, LocatedLink>;
// Never destroyed: an object that ends during the process's exit still finds it.
KeptLinks& Kept() {
    static KeptLinks& kept = *new KeptLinks;
    return kept;
}

LocatedLink Relocate(const Kavrel::Network::LmxNic* nic, const std::string& name) {
    LocatedLink located = LocateInterface(name);
    Kept()[nic] = located;
    return located;
}

LocatedLink Located(const Kavrel::Network::LmxNic* nic, const std::string& name) {
    auto kept = Kept().find(nic);
    return kept != Kept().end() ? kept->second : Relocate(nic, name);
}

void Forget(const Kavrel::Network::LmxNic* nic) { Kept().erase(nic); }

}  // namespace
}  // namespace LinuxHost

namespace Kavrel {
namespace Network {

LmxNic::LmxNic(const std::string& name) : name_(name) {}
LmxNic::~LmxNic() { LinuxHost::Forget(this); }

std::string LmxNic::GetInterfaceName() const { return name_; }
std::string LmxNic::GetNetstackInstanceKey() const { return LinuxHost::Located(this, name_).netstack; }
MacAddress LmxNic::GetMacAddress() const { return LinuxHost::MacAddressOf(LinuxHost::Located(this, name_).link); }
int LmxNic::GetMtu() const { return static_cast<int>(LinuxHost::Located(this, name_).link.mtu); }
// The largest segment the stack hands the device, in the 16 bits the host
// reports it in.
int LmxNic::GetTsoMss() const {
    return static_cast<int>(std::min<uint32_t>(LinuxHost::Located(this, name_).link.gsoMaxSize, 65535));
}
int LmxNic::GetNumRxQueue() const { return static_cast<int>(LinuxHost::Located(this, name_).link.rxQueues); }
bool LmxNic::IsEnabled() const { return LinuxHost::IsUp(LinuxHost::Located(this, name_).link); }
IpConfig LmxNic::GetIpConfig() const {
    const auto located = LinuxHost::Located(this, name_);
    return LinuxHost::ReadIpConfig(located.netstack, located.link);
}
// On a live kernel what is configured is what the kernel holds.
IpConfig LmxNic::GetConfiguredIpConfig() const { return GetIpConfig(); }

// A device is attached to no switch of the host's.
int LmxNic::GetConnectionPointType() const { return CONNECTION_POINT_NONE; }
std::string LmxNic::GetPortsetName() const { return ""; }
std::string LmxNic::GetPortgroupName() const { return ""; }
DVPortParam LmxNic::GetDVPortParam() const { return {}; }
OpaqueNetworkParam LmxNic::GetOpaqueNetworkParam() const { return {}; }
bool LmxNic::HasPort() const { return false; }
int64_t LmxNic::GetPortId() const { return 0; }

}  // namespace Network
}  // namespace Kavrel

namespace LmxCtl {
namespace Network {

using Kavrel::Lib::KavrelException;

// Finds the device at once (a name no device carries is refused here); the
// IP configuration, dearer (address and route dumps), waits until asked for.
LmxNicImpl::LmxNicImpl(const std::string& name) : LmxNic(name) { LinuxHost::Relocate(this, name_); }
LmxNicImpl::~LmxNicImpl() = default;

void LmxNicImpl::Load() const {
    const auto located = LinuxHost::Located(this, name_);
    ipConfig_ = LinuxHost::ReadIpConfig(located.netstack, located.link);
    configuredIpConfig_ = ipConfig_;
    stale_ = false;
}

void LmxNicImpl::Refresh() {
    stale_ = true;
    LinuxHost::Forget(this);
}

std::string LmxNicImpl::GetInterfaceName() const { return name_; }
std::string LmxNicImpl::GetNetstackInstanceKey() const { return LinuxHost::Located(this, name_).netstack; }
Kavrel::Network::IpConfig LmxNicImpl::GetIpConfig() const {
    if (stale_) Load();
    return ipConfig_;
}
Kavrel::Network::IpConfig LmxNicImpl::GetConfiguredIpConfig() const {
    if (stale_) Load();
    return configuredIpConfig_;
}

void LmxNicImpl::Enable() {
    LinuxHost::Forget(this);  // the getters read the device as changed
    const auto located = LinuxHost::LocateInterface(name_);
    LinuxHost::SetLinkUp(located.netstack, located.link.index, true);
}

void LmxNicImpl::Disable() {
    LinuxHost::Forget(this);  // the getters read the device as changed
    const auto located = LinuxHost::LocateInterface(name_);
    LinuxHost::SetLinkUp(located.netstack, located.link.index, false);
}

// Follows the enabled state's change in `interface set`.
void LmxNicImpl::SetMtu(int mtu) {
    const LinuxHost::CommandStep step;
    if (mtu != 0) HostRules::CheckMtu(mtu);
    LinuxHost::Forget(this);
    const auto located = LinuxHost::LocateInterface(name_);
    LinuxHost::SetLinkMtu(located.netstack, located.link.index, static_cast<uint32_t>(mtu == 0 ? 1500 : mtu));
}

void LmxNicImpl::Remove() { LinuxHost::NotYetOnLinux("Interface removals"); }

}  // namespace Network
}  // namespace LmxCtl

namespace LmxCtl {
namespace Network {

namespace {

// Every interface (device with an lmxN name) of the netstacks asked for, in
// netstack order and then the kernel's device order. A Linux host keeps no
// interfaces of its own, so the system kind has none.
std::vector<std::shared_ptr<LmxNicImpl>> Interfaces(const std::string& onlyNetstack, int kind) {
    std::vector<std::shared_ptr<LmxNicImpl>> nics;
    if (kind == Kavrel::Network::PORTSET_GET_SYSTEM) return nics;
    std::vector<std::string> netstacks;
    if (onlyNetstack.empty()) {
        netstacks.push_back(kDefaultNetstackKey);
        for (const auto& named : LinuxHost::NamedNetstacks()) netstacks.push_back(named);
    } else {
        LinuxHost::RequireNetstack(onlyNetstack);
        netstacks.push_back(onlyNetstack);
    }
    for (const auto& netstack : netstacks) {
        for (const auto& link : LinuxHost::DumpLinks(netstack)) {
            const std::string name = LinuxHost::InterfaceNameOf(link);
            if (!name.empty()) nics.push_back(std::make_shared<LmxNicImpl>(name));
        }
    }
    return nics;
}

}  // namespace

LumexNicInfoImpl::LumexNicInfoImpl() = default;
LumexNicInfoImpl::~LumexNicInfoImpl() = default;

std::vector<std::shared_ptr<LmxNicImpl>> LumexNicInfoImpl::GetLumexNics(int kind) { return Interfaces("", kind); }

std::vector<std::shared_ptr<LmxNicImpl>> LumexNicInfoImpl::GetLumexNicsByInstanceKey(const std::string& netstack,
                                                                                     int kind) {
    return Interfaces(netstack, kind);
}

std::shared_ptr<LmxNicImpl> LumexNicInfoImpl::GetLumexNicByInterface(const std::string& name, bool, int kind) {
    if (kind == Kavrel::Network::PORTSET_GET_SYSTEM) return nullptr;
    try {
        return std::make_shared<LmxNicImpl>(name);
    } catch (const KavrelException&) {
        return nullptr;  // no device carries that name
    }
}

void LumexNicInfoImpl::GetLmxnicNamesByInstanceKey(std::vector<std::string>& names, const std::string& netstack,
                                                   int kind) {
    for (const auto& nic : Interfaces(netstack, kind)) names.push_back(nic->GetInterfaceName());
}

std::shared_ptr<LmxNicImpl> LumexNicInfoImpl::AddLumexNic(const Kavrel::Network::ConnectionPoint&, const std::string&,
                                                          const Kavrel::Network::IpConfig&,
                                                          const Kavrel::Network::MacAddress&, int, int, int,
                                                          const std::string&, bool) {
    LinuxHost::NotYetOnLinux("Interface additions");
}

void LumexNicInfoImpl::RemoveLumexNic(const Kavrel::Network::ConnectionPoint&, const std::string&) {
    LinuxHost::NotYetOnLinux("Interface removals");
}

}  // namespace Network
}  // namespace LmxCtl
