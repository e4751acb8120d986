// Virtual switches, port groups and ports on a Linux host: a later round maps
// them onto the kernel's bridges; until then each operation refuses.
#include "core/Refusal.h"
#include "kavrel/DVSwitch.h"
#include "kavrel/NetworkInfo.h"
#include "kavrel/Portset.h"
#include "lmxctl/Datapath.h"
#include "lmxctl/VirtualSwitch.h"

namespace Kavrel {
namespace Network {

Portset::Portset(const std::string& name) : name_(name) {}
Portset::~Portset() = default;
std::string Portset::GetName() const { return name_; }
std::string Portset::GetClass() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
uint32_t Portset::GetNumPorts() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
uint32_t Portset::GetNumUsedPorts() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
uint32_t Portset::GetNumConfiguredPorts() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
std::vector<std::string> Portset::GetUplinks() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
std::vector<PortInfo> Portset::GetPorts() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
std::vector<UplinkVlanCounters> Portset::GetUplinkVlanCounters(const std::string&) const {
    LinuxHost::NotYetOnLinux("Virtual switches");
}
void Portset::SetUplinkVlanCounting(const std::string&, bool) { LinuxHost::NotYetOnLinux("Virtual switches"); }
uint32_t Portset::GetMTU() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
void Portset::SetMTU(int64_t) { LinuxHost::NotYetOnLinux("Virtual switches"); }
uint32_t Portset::GetCdpStatus() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
void Portset::SetCdpStatus(uint32_t) { LinuxHost::NotYetOnLinux("Virtual switches"); }
bool Portset::IsBeaconEnabled() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
uint32_t Portset::GetBeaconInterval() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
uint32_t Portset::GetBeaconThreshold() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
std::vector<std::string> Portset::GetBeaconRequiredBy() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
void Portset::AddUplink(const std::string&, bool) { LinuxHost::NotYetOnLinux("Virtual switches"); }
void Portset::RemoveUplink(const std::string&, bool) { LinuxHost::NotYetOnLinux("Virtual switches"); }
NicTeamingPolicy Portset::GetTeamingPolicy() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
NicTeamingPolicy Portset::GetConfiguredTeamingPolicy() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
void Portset::SetTeamingPolicy(const NicTeamingPolicy&) { LinuxHost::NotYetOnLinux("Virtual switches"); }
PortSecurityPolicy Portset::GetSecurityPolicy() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
void Portset::SetSecurityPolicy(const PortSecurityPolicy&) { LinuxHost::NotYetOnLinux("Virtual switches"); }
ShapingPolicy Portset::GetShapingPolicy() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
void Portset::SetShapingPolicy(const ShapingPolicy&) { LinuxHost::NotYetOnLinux("Virtual switches"); }
std::vector<std::unique_ptr<PortGroup>> Portset::GetPortGroups() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
std::unique_ptr<PortGroup> Portset::AddPortGroup(const std::string&) { LinuxHost::NotYetOnLinux("Virtual switches"); }
void Portset::RemovePortGroup(const std::string&) { LinuxHost::NotYetOnLinux("Virtual switches"); }

PortGroup::PortGroup(const std::string& name) : name_(name) {}
PortGroup::~PortGroup() = default;
std::string PortGroup::GetName() const { return name_; }
std::string PortGroup::GetVirtualSwitchName() const { LinuxHost::NotYetOnLinux("Port groups"); }
std::unique_ptr<Portset> PortGroup::GetVirtualSwitch() const { LinuxHost::NotYetOnLinux("Port groups"); }
uint32_t PortGroup::GetActiveClients() const { LinuxHost::NotYetOnLinux("Port groups"); }
std::vector<PortInfo> PortGroup::GetClients() const { LinuxHost::NotYetOnLinux("Port groups"); }
uint16_t PortGroup::GetVlanId() const { LinuxHost::NotYetOnLinux("Port groups"); }
void PortGroup::SetVlanId(int64_t) { LinuxHost::NotYetOnLinux("Port groups"); }
NicTeamingPolicy PortGroup::GetEffectiveTeamingPolicy() const { LinuxHost::NotYetOnLinux("Port groups"); }
NicTeamingPolicy PortGroup::GetTeamingPolicy() const { LinuxHost::NotYetOnLinux("Port groups"); }
void PortGroup::SetTeamingPolicy(const NicTeamingPolicy&) { LinuxHost::NotYetOnLinux("Port groups"); }
PortSecurityPolicy PortGroup::GetEffectiveSecurityPolicy() const { LinuxHost::NotYetOnLinux("Port groups"); }
PortSecurityPolicy PortGroup::GetSecurityPolicy() const { LinuxHost::NotYetOnLinux("Port groups"); }
void PortGroup::SetSecurityPolicy(const PortSecurityPolicy&) { LinuxHost::NotYetOnLinux("Port groups"); }
ShapingPolicy PortGroup::GetEffectiveShapingPolicy() const { LinuxHost::NotYetOnLinux("Port groups"); }
ShapingPolicy PortGroup::GetShapingPolicy() const { LinuxHost::NotYetOnLinux("Port groups"); }
void PortGroup::SetShapingPolicy(const ShapingPolicy&) { LinuxHost::NotYetOnLinux("Port groups"); }

DVPort::DVPort(const std::string& switchName, const std::string& portId) : switchName_(switchName), portId_(portId) {}
DVPort::~DVPort() = default;
std::string DVPort::GetId() const { LinuxHost::NotYetOnLinux("Distributed ports"); }
std::string DVPort::GetSwitchName() const { LinuxHost::NotYetOnLinux("Distributed ports"); }
std::string DVPort::GetDVPortgroupId() const { LinuxHost::NotYetOnLinux("Distributed ports"); }
bool DVPort::IsInUse(std::vector<std::string>&) const { LinuxHost::NotYetOnLinux("Distributed ports"); }
uint32_t DVPort::GetConnectionId() const { LinuxHost::NotYetOnLinux("Distributed ports"); }
void DVPort::SetConnectionId(uint32_t) { LinuxHost::NotYetOnLinux("Distributed ports"); }
bool DVPort::IsUplink() const { LinuxHost::NotYetOnLinux("Distributed ports"); }
std::string DVPort::GetUplinkName() const { LinuxHost::NotYetOnLinux("Distributed ports"); }
std::string DVPort::GetPnicName() const { LinuxHost::NotYetOnLinux("Distributed ports"); }
bool DVPort::IsLacpEnabled() const { LinuxHost::NotYetOnLinux("Distributed ports"); }
uint32_t DVPort::GetLacpMode() const { LinuxHost::NotYetOnLinux("Distributed ports"); }

DVSwitch::DVSwitch(const std::string& name) : Portset(name) {}
DVSwitch::~DVSwitch() = default;
std::string DVSwitch::GetDvsName() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
std::string DVSwitch::GetDvsId() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
std::string DVSwitch::GetCdpStatusString() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
int32_t DVSwitch::GetBeaconTimeout() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
bool DVSwitch::IsNorvaleBranded() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
bool DVSwitch::IsOpaque() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
std::vector<std::unique_ptr<DVPort>> DVSwitch::GetDVPorts() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
std::vector<std::string> DVSwitch::GetUplinkPortKeys() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
std::unique_ptr<DVPort> DVSwitch::GetDVPort(const std::string&) const { LinuxHost::NotYetOnLinux("Virtual switches"); }
std::vector<LacpLagConfig> DVSwitch::GetLagConfigs() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
std::vector<LacpGroupRuntime> DVSwitch::GetLacpRuntime() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
bool DVSwitch::IsRunningStateOnDpu() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
void DVSwitch::SetLacpTimeout(int64_t, bool, const std::string&) { LinuxHost::NotYetOnLinux("Virtual switches"); }
std::string DVSwitch::GetClass() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
uint32_t DVSwitch::GetNumPorts() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
uint32_t DVSwitch::GetNumUsedPorts() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
uint32_t DVSwitch::GetNumConfiguredPorts() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
std::vector<std::string> DVSwitch::GetUplinks() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
std::vector<PortInfo> DVSwitch::GetPorts() const { LinuxHost::NotYetOnLinux("Virtual switches"); }
std::vector<UplinkVlanCounters> DVSwitch::GetUplinkVlanCounters(const std::string&) const {
    LinuxHost::NotYetOnLinux("Virtual switches");
}
void DVSwitch::SetUplinkVlanCounting(const std::string&, bool) { LinuxHost::NotYetOnLinux("Virtual switches"); }
uint32_t DVSwitch::GetMTU() const { LinuxHost::NotYetOnLinux("Virtual switches"); }

std::vector<std::unique_ptr<PortGroup>> NetworkInfo::GetAllPortGroups(int) { LinuxHost::NotYetOnLinux("Port groups"); }

}  // namespace Network
}  // namespace Kavrel

namespace LmxCtl {
namespace Network {

VirtualSwitchInfoImpl::VirtualSwitchInfoImpl() {}
VirtualSwitchInfoImpl::~VirtualSwitchInfoImpl() = default;
void VirtualSwitchInfoImpl::AddVirtualSwitchWithPolicy(const Kavrel::Network::NicTeamingPolicy&,
                                                       const Kavrel::Network::PortSecurityPolicy&,
                                                       const Kavrel::Network::ShapingPolicy&,
                                                       const Kavrel::Network::NicCapabilities&, const std::string&,
                                                       int64_t) {
    LinuxHost::NotYetOnLinux("Virtual switches");
}
void VirtualSwitchInfoImpl::RemoveVirtualSwitch(const std::string&) { LinuxHost::NotYetOnLinux("Virtual switches"); }
std::unique_ptr<Kavrel::Network::Portset> VirtualSwitchInfoImpl::GetVirtualSwitchByName(const std::string&, int) {
    LinuxHost::NotYetOnLinux("Virtual switches");
}
std::vector<std::unique_ptr<Kavrel::Network::Portset>> VirtualSwitchInfoImpl::GetVirtualSwitches(int) {
    LinuxHost::NotYetOnLinux("Virtual switches");
}
std::vector<std::unique_ptr<Kavrel::Network::DVSwitch>> VirtualSwitchInfoImpl::GetDVSwitches() {
    LinuxHost::NotYetOnLinux("Virtual switches");
}
std::vector<std::unique_ptr<Kavrel::Network::DVSwitch>> VirtualSwitchInfoImpl::GetOpaqueDVSwitches() {
    LinuxHost::NotYetOnLinux("Virtual switches");
}
std::unique_ptr<Kavrel::Network::DVSwitch> VirtualSwitchInfoImpl::GetDVSwitchByName(const std::string&) {
    LinuxHost::NotYetOnLinux("Virtual switches");
}
std::vector<std::unique_ptr<Kavrel::Network::Portset>> VirtualSwitchInfoImpl::GetAllSwitches() {
    LinuxHost::NotYetOnLinux("Virtual switches");
}
bool VirtualSwitchInfoImpl::IsLegacySwitch(const std::string&) { LinuxHost::NotYetOnLinux("Virtual switches"); }
bool VirtualSwitchInfoImpl::IsDVSwitch(const std::string&) { LinuxHost::NotYetOnLinux("Virtual switches"); }
bool VirtualSwitchInfoImpl::IsOpaqueSwitch(const std::string&) { LinuxHost::NotYetOnLinux("Virtual switches"); }

PortsetImpl::PortsetImpl(const std::string& name) : Kavrel::Network::Portset(name) {
    LinuxHost::NotYetOnLinux("Virtual switches");
}
PortsetImpl::~PortsetImpl() = default;
bool PortsetImpl::IsValidVirtualSwitch(const std::string&) { LinuxHost::NotYetOnLinux("Virtual switches"); }

PortGroupImpl::PortGroupImpl(const std::string& name) : Kavrel::Network::PortGroup(name) {
    LinuxHost::NotYetOnLinux("Port groups");
}
PortGroupImpl::~PortGroupImpl() = default;
bool PortGroupImpl::IsValidPortGroup(const std::string&) { LinuxHost::NotYetOnLinux("Port groups"); }
int PortGroupImpl::GetConnectionPointType() const { LinuxHost::NotYetOnLinux("Port groups"); }
bool PortGroupImpl::IsValid() const { LinuxHost::NotYetOnLinux("Port groups"); }

DVSwitchImpl::DVSwitchImpl(const std::string& name) : Kavrel::Network::DVSwitch(name) {
    LinuxHost::NotYetOnLinux("Virtual switches");
}
DVSwitchImpl::~DVSwitchImpl() = default;

DVPortImpl::DVPortImpl(const std::string& switchName, const std::string& portId)
    : Kavrel::Network::DVPort(switchName, portId) {
    LinuxHost::NotYetOnLinux("Distributed ports");
}
DVPortImpl::DVPortImpl(const Kavrel::Network::DVPortParam& param)
    : Kavrel::Network::DVPort(param.switchUuid, param.portId) {
    LinuxHost::NotYetOnLinux("Distributed ports");
}
DVPortImpl::~DVPortImpl() = default;
bool DVPortImpl::IsValid() const { LinuxHost::NotYetOnLinux("Distributed ports"); }
int DVPortImpl::GetConnectionPointType() const { LinuxHost::NotYetOnLinux("Distributed ports"); }
Kavrel::Network::DVPortParam DVPortImpl::GetDVPortParam() const { LinuxHost::NotYetOnLinux("Distributed ports"); }

PortImpl::PortImpl(const std::string& switchName, uint32_t portId) : switchName_(switchName), portId_(portId) {
    LinuxHost::NotYetOnLinux("Virtual switch ports");
}
PortImpl::~PortImpl() = default;
uint32_t PortImpl::GetId() const { return portId_; }
uint32_t PortImpl::GetType() const { LinuxHost::NotYetOnLinux("Virtual switch ports"); }
int64_t PortImpl::GetWorldLeader() const { LinuxHost::NotYetOnLinux("Virtual switch ports"); }
std::string PortImpl::GetPortGroupName() const { LinuxHost::NotYetOnLinux("Virtual switch ports"); }
std::string PortImpl::GetDVPortID() const { LinuxHost::NotYetOnLinux("Virtual switch ports"); }
std::vector<Kavrel::Network::MacAddress> PortImpl::GetMacAddresses() const {
    LinuxHost::NotYetOnLinux("Virtual switch ports");
}
Kavrel::Network::Ipv4Address PortImpl::GetPortClientIpv4Address() const {
    LinuxHost::NotYetOnLinux("Virtual switch ports");
}
std::string PortImpl::GetSchedTeamUplink() const { LinuxHost::NotYetOnLinux("Virtual switch ports"); }
void PortImpl::GetPacketStats(Kavrel::Network::PacketStats&) const { LinuxHost::NotYetOnLinux("Virtual switch ports"); }
std::vector<std::unique_ptr<Kavrel::Network::FilterStats>> PortImpl::GetFilterStats() const {
    LinuxHost::NotYetOnLinux("Virtual switch ports");
}

}  // namespace Network
}  // namespace LmxCtl
