// The static name table of a Linux host: /etc/hosts (below TALIX_LINUX_ETC
// when set), with the shared hosts table's rules.
#include "core/EtcFiles.h"
#include "hostcommon/HostsTable.h"
#include "lmxctl/IpStack.h"

namespace LmxCtl {
namespace Network {

namespace {
std::string HostsPath() { return LinuxHost::EtcPath("hosts"); }
}  // namespace

HostsFile::HostsFile() = default;
HostsFile::~HostsFile() = default;

std::vector<std::shared_ptr<HostsFileEntry>> HostsFile::GetEntriesFromConfig() {
    return HostCommon::UserHostsEntries(LinuxHost::ReadEtcFile(HostsPath()));
}

void HostsFile::AddEntryFromUser(const std::string& ip, const std::string& hostName,
                                 const std::vector<std::string>& aliases, const std::string& comment) {
    LinuxHost::WriteEtcFile(
        HostsPath(), HostCommon::WithUserEntry(LinuxHost::ReadEtcFile(HostsPath()), ip, hostName, aliases, comment),
        "add " + ip + " " + hostName);
}

void HostsFile::RemoveEntryFromUser(const std::string& ip, const std::string& hostName) {
    LinuxHost::WriteEtcFile(HostsPath(),
                            HostCommon::WithoutUserEntry(LinuxHost::ReadEtcFile(HostsPath()), ip, hostName),
                            "remove " + ip + " " + hostName);
}

}  // namespace Network
}  // namespace LmxCtl
