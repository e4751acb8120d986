// The resolver file format (name servers, search domains, other lines kept
// as they are) and the rules for changing it, the same on every host.
#pragma once

#include <string>
#include <vector>

#include "kavrel/Address.h"

namespace HostCommon {

struct ResolverLines {
    std::vector<Kavrel::Network::IpAddress> nameServers;
    std::vector<std::string> searchDomains;  // the last search line's: the one resolvers use
    std::vector<std::string> otherLines;     // options and comments
};

ResolverLines ParseResolverFile(const std::string& text);
// Other lines first, then the name servers, then one search line.
std::string PrintResolverFile(const ResolverLines& lines);

// Changes; each throws the library's exception, saying why, and changes
// nothing then.
void AddNameServer(std::vector<Kavrel::Network::IpAddress>& servers, const Kavrel::Network::IpAddress& address);
void RemoveNameServer(std::vector<Kavrel::Network::IpAddress>& servers, const Kavrel::Network::IpAddress& address);
void AddSearchDomain(std::vector<std::string>& domains, const std::string& domain);
void RemoveSearchDomain(std::vector<std::string>& domains, const std::string& domain);
std::string JoinSearchDomains(const std::vector<std::string>& domains);  // blank separated

}  // namespace HostCommon
