// The resolver file format and its changes.
#include "hostcommon/ResolverFile.h"

#include <algorithm>
#include <sstream>

#include "hostcommon/AddressRules.h"
#include "kavrel/Lib.h"
#include "kavrel/Misc.h"

namespace HostCommon {

using Kavrel::Lib::KavrelException;
using Kavrel::Network::IpAddress;

ResolverLines ParseResolverFile(const std::string& text) {
    ResolverLines parsed;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> words;
        Kavrel::Misc::StringTokenize(line, words, " \t\r");
        if (words.size() == 2 && words[0] == "nameserver" &&
            (Kavrel::Network::Ipv4Address::IsValidAddress(words[1]) ||
             Kavrel::Network::Ipv6Address::IsValidAddress(words[1]))) {
            parsed.nameServers.push_back(IpAddress(words[1]));
        } else if (!words.empty() && words[0] == "search") {
            parsed.searchDomains.assign(words.begin() + 1, words.end());
        } else if (!words.empty()) {
            parsed.otherLines.push_back(line);
        }
    }
    return parsed;
}

std::string PrintResolverFile(const ResolverLines& lines) {
    std::string text;
    for (const auto& line : lines.otherLines) text += line + "\n";
    for (const auto& server : lines.nameServers) text += "nameserver " + server.GetStringAddress() + "\n";
    if (!lines.searchDomains.empty()) text += "search " + JoinSearchDomains(lines.searchDomains) + "\n";
    return text;
}

void AddNameServer(std::vector<IpAddress>& servers, const IpAddress& address) {
    HostRules::CheckNameServer(address);
    if (std::find(servers.begin(), servers.end(), address) != servers.end()) {
        throw KavrelException("DNS server " + address.GetStringAddress() + " is already configured");
    }
    servers.push_back(address);
}

void RemoveNameServer(std::vector<IpAddress>& servers, const IpAddress& address) {
    auto found = std::find(servers.begin(), servers.end(), address);
    if (found == servers.end()) {
        throw KavrelException("DNS server " + address.GetStringAddress() + " is not configured");
    }
    servers.erase(found);
}

void AddSearchDomain(std::vector<std::string>& domains, const std::string& domain) {
    if (domain.empty() || domain.find_first_of(" \t\r\n#;") != std::string::npos) {
        throw KavrelException("Invalid search domain '" + domain + "'");
    }
    if (std::find(domains.begin(), domains.end(), domain) != domains.end()) {
        throw KavrelException("Search domain " + domain + " is already configured");
    }
    domains.push_back(domain);
}

void RemoveSearchDomain(std::vector<std::string>& domains, const std::string& domain) {
    auto found = std::find(domains.begin(), domains.end(), domain);
    if (found == domains.end()) throw KavrelException("Search domain " + domain + " is not configured");
    domains.erase(found);
}

std::string JoinSearchDomains(const std::vector<std::string>& domains) {
    std::string text;
    for (const auto& domain : domains) text += (text.empty() ? "" : " ") + domain;
    return text;
}

}  // namespace HostCommon
