// Resolver configuration of a netstack instance, kept in the standard resolver file format.
#include <algorithm>
#include <sstream>

#include "core/Faults.h"
#include "core/HostStore.h"
#include "hostcommon/AddressRules.h"
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
    nameServers_.clear();
    searchDomains_.clear();
    otherLines_.clear();
    auto text = HostStore::Instance().ReadText(ResolverPath(key_));
    std::istringstream lines(text.value_or(""));
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> words;
        Kavrel::Misc::StringTokenize(line, words, " \t\r");
        if (words.size() == 2 && words[0] == "nameserver" &&
            (Kavrel::Network::Ipv4Address::IsValidAddress(words[1]) ||
             Kavrel::Network::Ipv6Address::IsValidAddress(words[1]))) {
            nameServers_.push_back(IpAddress(words[1]));
        } else if (!words.empty() && words[0] == "search") {
            // The last search line is the one resolvers use.
            searchDomains_.assign(words.begin() + 1, words.end());
        } else if (!words.empty()) {
            otherLines_.push_back(line);
        }
    }
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
    HostRules::CheckNameServer(address);
    if (std::find(nameServers_.begin(), nameServers_.end(), address) != nameServers_.end()) {
        throw KavrelException("DNS server " + address.GetStringAddress() + " is already configured");
    }
    nameServers_.push_back(address);
}

void DnsConfigImpl::RemoveNameServer(const IpAddress& address) {
    CheckFault("DnsConfigImpl::RemoveNameServer");
    if (stale_) Refresh();
    auto found = std::find(nameServers_.begin(), nameServers_.end(), address);
    if (found == nameServers_.end()) {
        throw KavrelException("DNS server " + address.GetStringAddress() + " is not configured");
    }
    nameServers_.erase(found);
}

void DnsConfigImpl::RemoveNameServers() {
    CheckFault("DnsConfigImpl::RemoveNameServers");
    if (stale_) Refresh();
    nameServers_.clear();
}

void DnsConfigImpl::AddUserSearchDomain(const std::string& domain) {
    CheckFault("DnsConfigImpl::AddUserSearchDomain");
    if (stale_) Refresh();
    if (domain.empty() || domain.find_first_of(" \t\r\n#;") != std::string::npos) {
        throw KavrelException("Invalid search domain '" + domain + "'");
    }
    if (std::find(searchDomains_.begin(), searchDomains_.end(), domain) != searchDomains_.end()) {
        throw KavrelException("Search domain " + domain + " is already configured");
    }
    searchDomains_.push_back(domain);
}

void DnsConfigImpl::RemoveSearchDomain(const std::string& domain) {
    CheckFault("DnsConfigImpl::RemoveSearchDomain");
    if (stale_) Refresh();
    auto found = std::find(searchDomains_.begin(), searchDomains_.end(), domain);
    if (found == searchDomains_.end()) throw KavrelException("Search domain " + domain + " is not configured");
    searchDomains_.erase(found);
}

std::string DnsConfigImpl::GetSearchDomainsString() {
    CheckFault("DnsConfigImpl::GetSearchDomainsString");
    if (stale_) Refresh();
    std::string text;
    for (const auto& domain : searchDomains_) text += (text.empty() ? "" : " ") + domain;
    return text;
}

void DnsConfigImpl::SaveConfig() {
    CheckFault("DnsConfigImpl::SaveConfig");
    if (stale_) Refresh();
    std::string text;
    for (const auto& line : otherLines_) text += line + "\n";
    for (const auto& server : nameServers_) text += "nameserver " + server.GetStringAddress() + "\n";
    if (!searchDomains_.empty()) text += "search " + GetSearchDomainsString() + "\n";
    SimHost::Transaction transaction(HostStore::Instance());
    transaction.WriteText(ResolverPath(key_), text);
    transaction.Commit();
}

}  // namespace Network
}  // namespace LmxCtl
