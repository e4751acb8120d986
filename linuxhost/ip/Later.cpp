// IP-stack operations the Linux host does not carry out yet, or that have no
// equivalent there; each refuses with one sentence.
#include "core/Refusal.h"
#include "kavrel/DVSwitch.h"
#include "kavrel/Datapath.h"
#include "kavrel/NetworkFactory.h"
#include "kavrel/NetworkInfo.h"
#include "kavrel/Portset.h"
#include "lmxctl/Datapath.h"
#include "lmxctl/IpStack.h"
#include "lmxctl/NetworkInfoImpl.h"
#include "lmxctl/Util.h"

namespace Kavrel {
namespace Network {

std::unique_ptr<NetworkInfo> NetworkFactory::GetNetworkInfo() {
    return std::make_unique<LmxCtl::Network::NetworkInfoImpl>();
}
std::unique_ptr<Portset> NetworkFactory::GetVirtualSwitchById(const std::string&, int) {
    LinuxHost::NotYetOnLinux("Virtual switches");
}
std::unique_ptr<PortGroup> NetworkFactory::GetPortGroupByName(const std::string&) {
    LinuxHost::NotYetOnLinux("Port groups");
}
std::unique_ptr<DVSwitch> NetworkFactory::GetDVSwitchByName(const std::string&) {
    LinuxHost::NotYetOnLinux("Distributed switches");
}
std::unique_ptr<DVSwitch> NetworkFactory::GetDVSwitchById(const std::string&) {
    LinuxHost::NotYetOnLinux("Distributed switches");
}
std::unique_ptr<DVPort> NetworkFactory::GetDVPort(const DVPortParam&) {
    LinuxHost::NotYetOnLinux("Distributed switch ports");
}

}  // namespace Network
}  // namespace Kavrel

namespace LmxCtl {
namespace Network {

IpSecConfigImpl::IpSecConfigImpl() = default;
IpSecConfigImpl::~IpSecConfigImpl() = default;
void IpSecConfigImpl::AddSADConfig(const Kavrel::Network::IpSecSadParam&) {
    LinuxHost::NotYetOnLinux("IPsec security associations");
}
void IpSecConfigImpl::GetSADConfigList(std::vector<Kavrel::Network::IpSecSadParam>&) {
    LinuxHost::NotYetOnLinux("IPsec security associations");
}
void IpSecConfigImpl::RemoveSADConfig(const std::string&) { LinuxHost::NotYetOnLinux("IPsec security associations"); }
void IpSecConfigImpl::RemoveAutoSADConfig(const Kavrel::Network::IpSecSadParam&) {
    LinuxHost::NotYetOnLinux("IPsec security associations");
}
void IpSecConfigImpl::FlushSADConfig() { LinuxHost::NotYetOnLinux("IPsec security associations"); }
void IpSecConfigImpl::AddSPDConfig(const Kavrel::Network::IpSecSpdParam&) {
    LinuxHost::NotYetOnLinux("IPsec security policies");
}
void IpSecConfigImpl::GetSPDConfigList(std::vector<Kavrel::Network::IpSecSpdParam>&) {
    LinuxHost::NotYetOnLinux("IPsec security policies");
}
void IpSecConfigImpl::RemoveSPDConfig(const std::string&) { LinuxHost::NotYetOnLinux("IPsec security policies"); }
void IpSecConfigImpl::FlushSPDConfig() { LinuxHost::NotYetOnLinux("IPsec security policies"); }

}  // namespace Network

namespace Util {

// The daemon control scripts these run belong to the simulated host.
int LmxCtl_Exec(const std::string&, bool, bool, bool) { LinuxHost::NoEquivalent("The host's daemon scripts"); }
int LmxCtl_Exec(const std::string&, bool, bool, bool, const std::string&) {
    LinuxHost::NoEquivalent("The host's daemon scripts");
}

}  // namespace Util
}  // namespace LmxCtl
