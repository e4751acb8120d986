// The host's static name table: system entries above a marker line, user
// entries below it. Only the user entries' own lines are ever changed; every
// other byte of the file is written back as it was read.
#include "hostcommon/HostsTable.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <utility>

#include "kavrel/Lib.h"
#include "kavrel/Misc.h"

namespace LmxCtl {
namespace Network {

HostsFileEntry::HostsFileEntry(std::string ipAddress, std::string hostName, std::vector<std::string> aliases,
                               std::string comment)
    : ipAddress_(std::move(ipAddress)),
      hostName_(std::move(hostName)),
      aliases_(std::move(aliases)),
      comment_(std::move(comment)) {}

}  // namespace Network
}  // namespace LmxCtl

namespace HostCommon {

using Kavrel::Lib::KavrelException;
using LmxCtl::Network::HostsFileEntry;

namespace {

const char kUserMarker[] = "# --- user specified entries ---";

// The file as read, and where the entries the host manages lie in it. Everything
// else (system part, comments, blank lines, lines it cannot parse, bytes of any kind)
// is written back exactly as it was read.
struct ParsedHosts {
    std::string text;
    bool hasMarker = false;
    std::vector<HostsFileEntry> systemEntries;
    std::vector<HostsFileEntry> userEntries;
    std::vector<std::pair<size_t, size_t>> userLines;  // [begin, end) of each user entry's line, newline included
};

bool IsAddress(const std::string& text) {
    return Kavrel::Network::Ipv4Address::IsValidAddress(text) || Kavrel::Network::Ipv6Address::IsValidAddress(text);
}

// An entry is an address followed by at least a host name; a '#' starts its comment.
bool ParseEntry(std::string_view line, std::vector<HostsFileEntry>& entries) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::string_view body = line;
    std::string comment;
    size_t hash = line.find('#');
    if (hash != std::string_view::npos) {
        body = line.substr(0, hash);
        comment = std::string(line.substr(hash + 1));
        if (!comment.empty() && comment[0] == ' ') comment.erase(0, 1);
    }
    std::vector<std::string> words;
    Kavrel::Misc::StringTokenize(std::string(body), words, " \t\r");
    if (words.size() < 2 || !IsAddress(words[0])) return false;
    entries.emplace_back(words[0], words[1], std::vector<std::string>(words.begin() + 2, words.end()), comment);
    return true;
}

ParsedHosts Parse(const std::string& file, bool withSystemEntries) {
    ParsedHosts hosts;
    hosts.text = file;
    const std::string_view text = hosts.text;
    size_t begin = 0;
    while (begin < text.size()) {
        size_t newline = text.find('\n', begin);
        const size_t lineEnd = newline == std::string_view::npos ? text.size() : newline;
        const size_t end = newline == std::string_view::npos ? text.size() : newline + 1;
        std::string_view line = text.substr(begin, lineEnd - begin);
        if (hosts.hasMarker) {
            if (ParseEntry(line, hosts.userEntries)) hosts.userLines.emplace_back(begin, end);
        } else if (line == kUserMarker || line == std::string(kUserMarker) + "\r") {
            hosts.hasMarker = true;
        } else if (withSystemEntries) {
            ParseEntry(line, hosts.systemEntries);
        }
        begin = end;
    }
    return hosts;
}

// The file with one more user entry at its end (after the marker, added if missing).
std::string WithEntry(const ParsedHosts& hosts, const HostsFileEntry& entry) {
    std::string text = hosts.text;
    if (!text.empty() && text.back() != '\n') text.push_back('\n');
    if (!hosts.hasMarker) text += std::string(kUserMarker) + "\n";
    text += entry.GetIpAddress() + "\t" + entry.GetHostName();
    for (const auto& alias : entry.GetAliases()) text += " " + alias;
    if (!entry.GetComment().empty()) text += "\t# " + entry.GetComment();
    text += "\n";
    return text;
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

std::vector<std::shared_ptr<HostsFileEntry>> UserHostsEntries(const std::string& file) {
    std::vector<std::shared_ptr<HostsFileEntry>> entries;
    for (const auto& entry : Parse(file, false).userEntries) entries.push_back(std::make_shared<HostsFileEntry>(entry));
    return entries;
}

std::string WithUserEntry(const std::string& file, const std::string& ip, const std::string& hostName,
                          const std::vector<std::string>& aliases, const std::string& comment) {
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
    // A tab is the only control character a line of the file may hold.
    if (std::any_of(comment.begin(), comment.end(), [](char c) {
            const auto byte = static_cast<unsigned char>(c);
            return (byte < 0x20 && c != '\t') || byte == 0x7f;
        })) {
        throw KavrelException("A comment may not hold control characters");
    }
    auto hosts = Parse(file, true);
    for (const auto* entries : {&hosts.systemEntries, &hosts.userEntries}) {
        for (const auto& entry : *entries) {
            if (Matches(entry, ip, hostName)) {
                throw KavrelException("An entry for " + hostName + " with address " + ip + " already exists");
            }
        }
    }
    return WithEntry(hosts, HostsFileEntry(ip, hostName, aliases, comment));
}

std::string WithoutUserEntry(const std::string& file, const std::string& ip, const std::string& hostName) {
    auto hosts = Parse(file, true);
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
    // Only that entry's line goes; every other byte of the file stays.
    const auto& line = hosts.userLines[static_cast<size_t>(found - hosts.userEntries.begin())];
    return hosts.text.erase(line.first, line.second - line.first);
}

}  // namespace HostCommon
