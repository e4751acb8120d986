// The resolver settings of a netstack on a Linux host: /etc/resolv.conf for
// the default netstack, /etc/netns/NAME/resolv.conf for a named one (the file
// `ip netns exec` shows its programs as /etc/resolv.conf). A named netstack
// without a file of its own resolves through the system's, as `ip netns
// exec` leaves it: that is what it shows, and its first change gives it a
// file of its own that starts from the system's.
#include "core/EtcFiles.h"
#include "core/Netstack.h"
#include "hostcommon/ResolverFile.h"
#include "lmxctl/IpStack.h"

namespace LmxCtl {
namespace Network {

using Kavrel::Network::IpAddress;

DnsConfigImpl::DnsConfigImpl(const std::string& netstackKey) : key_(netstackKey) { LinuxHost::RequireNetstack(key_); }
DnsConfigImpl::~DnsConfigImpl() = default;

std::string DnsConfigImpl::ResolverPath(const std::string& netstackKey) {
    if (LinuxHost::IsDefaultNetstack(netstackKey)) return LinuxHost::EtcPath("resolv.conf");
    LinuxHost::RequireNetstack(netstackKey);  // a name, never a path
    return LinuxHost::EtcPath("netns/" + netstackKey + "/resolv.conf");
}

void DnsConfigImpl::Refresh() {
    std::string path = ResolverPath(key_);
    if (!LinuxHost::IsDefaultNetstack(key_) && !LinuxHost::EtcFileExists(path)) {
        path = ResolverPath(LmxCtl::Network::kDefaultNetstackKey);
    }
    auto lines = HostCommon::ParseResolverFile(LinuxHost::ReadEtcFile(path));
    nameServers_ = std::move(lines.nameServers);
    searchDomains_ = std::move(lines.searchDomains);
    otherLines_ = std::move(lines.otherLines);
    stale_ = false;
}

const std::vector<IpAddress>& DnsConfigImpl::GetNameServers() {
    if (stale_) Refresh();
    return nameServers_;
}

void DnsConfigImpl::AddUserNameServer(const IpAddress& address) {
    if (stale_) Refresh();
    HostCommon::AddNameServer(nameServers_, address);
}

void DnsConfigImpl::RemoveNameServer(const IpAddress& address) {
    if (stale_) Refresh();
    HostCommon::RemoveNameServer(nameServers_, address);
}

void DnsConfigImpl::RemoveNameServers() {
    if (stale_) Refresh();
    nameServers_.clear();
}

void DnsConfigImpl::AddUserSearchDomain(const std::string& domain) {
    if (stale_) Refresh();
    HostCommon::AddSearchDomain(searchDomains_, domain);
}

void DnsConfigImpl::RemoveSearchDomain(const std::string& domain) {
    if (stale_) Refresh();
    HostCommon::RemoveSearchDomain(searchDomains_, domain);
}

std::string DnsConfigImpl::GetSearchDomainsString() {
    if (stale_) Refresh();
    return HostCommon::JoinSearchDomains(searchDomains_);
}

void DnsConfigImpl::SaveConfig() {
    if (stale_) Refresh();
    std::string servers;
    for (const auto& server : nameServers_) servers += (servers.empty() ? "" : " ") + server.GetStringAddress();
    if (!LinuxHost::IsDefaultNetstack(key_)) LinuxHost::MakeEtcFolders("netns/" + key_);
    LinuxHost::WriteEtcFile(
        ResolverPath(key_), HostCommon::PrintResolverFile({nameServers_, searchDomains_, otherLines_}),
        "nameserver " + (servers.empty() ? std::string("none") : servers) + ", search " +
            (searchDomains_.empty() ? std::string("none") : HostCommon::JoinSearchDomains(searchDomains_)));
}

}  // namespace Network
}  // namespace LmxCtl
