// The hosts table's rules over the file's text, the same on every host:
// reading and writing the file is each host's own business.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "lmxctl/IpStack.h"

namespace HostCommon {

// The entries below the user marker, in file order.
std::vector<std::shared_ptr<LmxCtl::Network::HostsFileEntry>> UserHostsEntries(const std::string& file);
// The file with one more user entry (the marker added if missing); throws,
// saying why, for an invalid address, name, alias or comment, or an entry
// that exists.
std::string WithUserEntry(const std::string& file, const std::string& ip, const std::string& hostName,
                          const std::vector<std::string>& aliases, const std::string& comment);
// The file without that user entry's line; throws for a system entry or
// one that does not exist.
std::string WithoutUserEntry(const std::string& file, const std::string& ip, const std::string& hostName);

}  // namespace HostCommon
