// The host's static name table, kept in the host root (etc/hosts); its rules
// are the shared hosts table's.
#include "core/Faults.h"
#include "core/HostStore.h"
#include "hostcommon/HostsTable.h"
#include "lmxctl/IpStack.h"

namespace LmxCtl {
namespace Network {

using SimHost::CheckFault;
using SimHost::HostStore;

namespace {

std::string Read() { return HostStore::Instance().ReadText(HostsFile::kPath).value_or(""); }

void Write(const std::string& text) {
    SimHost::Transaction transaction(HostStore::Instance());
    transaction.WriteText(HostsFile::kPath, text);
    transaction.Commit();
}

}  // namespace

HostsFile::HostsFile() = default;
HostsFile::~HostsFile() = default;

std::vector<std::shared_ptr<HostsFileEntry>> HostsFile::GetEntriesFromConfig() {
    CheckFault("HostsFile::GetEntriesFromConfig");
    return HostCommon::UserHostsEntries(Read());
}

void HostsFile::AddEntryFromUser(const std::string& ip, const std::string& hostName,
                                 const std::vector<std::string>& aliases, const std::string& comment) {
    CheckFault("HostsFile::AddEntryFromUser");
    Write(HostCommon::WithUserEntry(Read(), ip, hostName, aliases, comment));
}

void HostsFile::RemoveEntryFromUser(const std::string& ip, const std::string& hostName) {
    CheckFault("HostsFile::RemoveEntryFromUser");
    Write(HostCommon::WithoutUserEntry(Read(), ip, hostName));
}

}  // namespace Network
}  // namespace LmxCtl
