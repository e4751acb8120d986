// The host's static name table: system entries above a marker line, user entries below it.
#include <algorithm>
#include <cctype>
#include <sstream>

#include "core/Faults.h"
#include "core/HostStore.h"
#include "kavrel/Lib.h"
#include "kavrel/Misc.h"
#include "lmxctl/IpStack.h"

namespace LmxCtl {
namespace Network {

using Kavrel::Lib::KavrelException;
using SimHost::CheckFault;
using SimHost::HostStore;

const char* const HostsFile::kPath = "etc/hosts";

namespace {

const char kUserMarker[] = "# --- user specified entries ---";

struct ParsedHosts {
    std::string systemPart;  // kept byte for byte, marker included
    std::vector<HostsFileEntry> systemEntries;
    std::vector<HostsFileEntry> userEntries;
};

bool ParseEntry(const std::string& line, std::vector<HostsFileEntry>& entries) {
    std::string body = line;
    std::string comment;
    size_t hash = line.find('#');
    if (hash != std::string::npos) {
        body = line.substr(0, hash);
        comment = line.substr(hash + 1);
        if (!comment.empty() && comment[0] == ' ') comment.erase(0, 1);
    }
    std::vector<std::string> words;
    Kavrel::Misc::StringTokenize(body, words, " \t\r");
    if (words.size() < 2) return false;
    entries.emplace_back(words[0], words[1], std::vector<std::string>(words.begin() + 2, words.end()), comment);
    return true;
}

ParsedHosts Parse() {
    ParsedHosts hosts;
    auto text = HostStore::Instance().ReadText(HostsFile::kPath).value_or("");
    std::istringstream lines(text);
    std::string line;
    bool inUserPart = false;
    while (std::getline(lines, line)) {
        if (!inUserPart) {
            hosts.systemPart += line + "\n";
            if (line == kUserMarker) {
                inUserPart = true;
            } else {
                ParseEntry(line, hosts.systemEntries);
            }
        } else {
            ParseEntry(line, hosts.userEntries);
        }
    }
    if (!inUserPart) hosts.systemPart += std::string(kUserMarker) + "\n";
    return hosts;
}

void Write(const ParsedHosts& hosts) {
    std::string text = hosts.systemPart;
    for (const auto& entry : hosts.userEntries) {
        text += entry.GetIpAddress() + "\t" + entry.GetHostName();
        for (const auto& alias : entry.GetAliases()) text += " " + alias;
        if (!entry.GetComment().empty()) text += "\t# " + entry.GetComment();
        text += "\n";
    }
    SimHost::Transaction transaction(HostStore::Instance());
    transaction.WriteText(HostsFile::kPath, text);
    transaction.Commit();
}

// Labels of letters, digits and inner hyphens, separated by dots.
bool IsValidHostName(const std::string& name) {
    if (name.empty() || name.size() > 253) return false;
    std::vector<std::string> labels;
    size_t start = 0;
    while (true) {
        size_t dot = name.find('.', start);
        labels.push_back(name.substr(start, dot == std::string::npos ? std::string::npos : dot - start));
        if (dot == std::string::npos) break;
        start = dot + 1;
    }
    for (const auto& label : labels) {
        if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-') return false;
        for (char c : label) {
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-') return false;
        }
    }
    return true;
}

bool SameAddress(const std::string& left, const std::string& right) {
    try {
        return Kavrel::Network::IpAddress(left) == Kavrel::Network::IpAddress(right);
    } catch (const KavrelException&) {
        return left == right;
    }
}

bool SameName(const std::string& left, const std::string& right) {
    return left.size() == right.size() && std::equal(left.begin(), left.end(), right.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
}

bool Matches(const HostsFileEntry& entry, const std::string& ip, const std::string& hostName) {
    return SameAddress(entry.GetIpAddress(), ip) && SameName(entry.GetHostName(), hostName);
}

}  // namespace

HostsFileEntry::HostsFileEntry(std::string ipAddress, std::string hostName, std::vector<std::string> aliases,
                               std::string comment)
    : ipAddress_(std::move(ipAddress)),
      hostName_(std::move(hostName)),
      aliases_(std::move(aliases)),
      comment_(std::move(comment)) {}

HostsFile::HostsFile() = default;
HostsFile::~HostsFile() = default;

std::vector<std::shared_ptr<HostsFileEntry>> HostsFile::GetEntriesFromConfig() {
    CheckFault("HostsFile::GetEntriesFromConfig");
    std::vector<std::shared_ptr<HostsFileEntry>> entries;
    for (const auto& entry : Parse().userEntries) entries.push_back(std::make_shared<HostsFileEntry>(entry));
    return entries;
}

void HostsFile::AddEntryFromUser(const std::string& ip, const std::string& hostName,
                                 const std::vector<std::string>& aliases, const std::string& comment) {
    CheckFault("HostsFile::AddEntryFromUser");
    if (!Kavrel::Network::Ipv4Address::IsValidAddress(ip) && !Kavrel::Network::Ipv6Address::IsValidAddress(ip)) {
        throw KavrelException("Invalid IP address '" + ip + "'");
    }
    if (!IsValidHostName(hostName)) throw KavrelException("Invalid host name '" + hostName + "'");
    for (const auto& alias : aliases) {
        if (!IsValidHostName(alias)) throw KavrelException("Invalid alias '" + alias + "'");
    }
    if (comment.find_first_of("\r\n") != std::string::npos) {
        throw KavrelException("A comment must be a single line");
    }
    auto hosts = Parse();
    for (const auto* entries : {&hosts.systemEntries, &hosts.userEntries}) {
        for (const auto& entry : *entries) {
            if (Matches(entry, ip, hostName)) {
                throw KavrelException("An entry for " + hostName + " with address " + ip + " already exists");
            }
        }
    }
    hosts.userEntries.emplace_back(ip, hostName, aliases, comment);
    Write(hosts);
}

void HostsFile::RemoveEntryFromUser(const std::string& ip, const std::string& hostName) {
    CheckFault("HostsFile::RemoveEntryFromUser");
    auto hosts = Parse();
    auto found = std::find_if(hosts.userEntries.begin(), hosts.userEntries.end(),
                              [&](const HostsFileEntry& entry) { return Matches(entry, ip, hostName); });
    if (found == hosts.userEntries.end()) {
        for (const auto& entry : hosts.systemEntries) {
            if (Matches(entry, ip, hostName)) {
                throw KavrelException("The entry for " + hostName + " with address " + ip +
                                      " is a system entry and cannot be removed");
            }
        }
        throw KavrelException("No entry for " + hostName + " with address " + ip);
    }
    hosts.userEntries.erase(found);
    Write(hosts);
}

}  // namespace Network
}  // namespace LmxCtl
