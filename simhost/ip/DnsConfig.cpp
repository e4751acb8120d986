// Resolver configuration of a netstack instance, kept in the standard resolver file format.
#include <utility>

#include "core/Faults.h"
#include "core/HostStore.h"
#include "hostcommon/ResolverFile.h"
#include "ip/NetstackKey.h"
#include "kavrel/Lib.h"
#include "kavrel/Misc.h"
#include "lmxctl/IpStack.h"
#include "model/IpStackModel.h"

namespace LmxCtl {
namespace Network {

using Kavrel::Lib::KavrelException;
using Kavrel::Network::IpAddress;
using SimHost::CheckFault;
using SimHost::HostStore;

DnsConfigImpl::DnsConfigImpl(const std::string& netstackKey) : key_(netstackKey) {
    CheckFault("DnsConfigImpl::DnsConfigImpl");
    if (!SimHost::FindNetstack(HostStore::Instance().Read<SimHost::NetstackTable>(), key_)) {
        throw KavrelException("Netstack instance " + key_ + " does not exist");
    }
}

DnsConfigImpl::~DnsConfigImpl() = default;

std::string DnsConfigImpl::ResolverPath(const std::string& netstackKey) {
    if (netstackKey == kDefaultNetstackKey) return "etc/resolv.conf";
    // Never a path outside the instance's own directory, whatever the stored key.
    if (!SimHost::IsValidNetstackKey(netstackKey)) {
        throw KavrelException("Netstack instance key '" + netstackKey + "' cannot name a resolver file");
    }
    return "etc/netstack/" + netstackKey + "/resolv.conf";
}

void DnsConfigImpl::Refresh() {
    CheckFault("DnsConfigImpl::Refresh");
    auto lines = HostCommon::ParseResolverFile(HostStore::Instance().ReadText(ResolverPath(key_)).value_or(""));
    nameServers_ = std::move(lines.nameServers);
    searchDomains_ = std::move(lines.searchDomains);
    otherLines_ = std::move(lines.otherLines);
    stale_ = false;
}

const std::vector<IpAddress>& DnsConfigImpl::GetNameServers() {
    CheckFault("DnsConfigImpl::GetNameServers");
    if (stale_) Refresh();
    return nameServers_;
}

void DnsConfigImpl::AddUserNameServer(const IpAddress& address) {
    CheckFault("DnsConfigImpl::AddUserNameServer");
    if (stale_) Refresh();
    HostCommon::AddNameServer(nameServers_, address);
}

void DnsConfigImpl::RemoveNameServer(const IpAddress& address) {
    CheckFault("DnsConfigImpl::RemoveNameServer");
    if (stale_) Refresh();
    HostCommon::RemoveNameServer(nameServers_, address);
}

void DnsConfigImpl::RemoveNameServers() {
    CheckFault("DnsConfigImpl::RemoveNameServers");
    if (stale_) Refresh();
    nameServers_.clear();
}

void DnsConfigImpl::AddUserSearchDomain(const std::string& domain) {
    CheckFault("DnsConfigImpl::AddUserSearchDomain");
    if (stale_) Refresh();
    HostCommon::AddSearchDomain(searchDomains_, domain);
}

void DnsConfigImpl::RemoveSearchDomain(const std::string& domain) {
    CheckFault("DnsConfigImpl::RemoveSearchDomain");
    if (stale_) Refresh();
    HostCommon::RemoveSearchDomain(searchDomains_, domain);
}

std::string DnsConfigImpl::GetSearchDomainsString() {
    CheckFault("DnsConfigImpl::GetSearchDomainsString");
    if (stale_) Refresh();
    return HostCommon::JoinSearchDomains(searchDomains_);
}

void DnsConfigImpl::SaveConfig() {
    CheckFault("DnsConfigImpl::SaveConfig");
    if (stale_) Refresh();
    SimHost::Transaction transaction(HostStore::Instance());
    transaction.WriteText(ResolverPath(key_),
                          HostCommon::PrintResolverFile({nameServers_, searchDomains_, otherLines_}));
    transaction.Commit();
}

}  // namespace Network
}  // namespace LmxCtl
