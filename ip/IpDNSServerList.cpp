// network ip dns server list: the DNS servers of a netstack, in the order they are used.
#include "frame/CommandFrame.h"
#include "ip/StackCommands.h"
#include "ip/StackShared.h"
#include "lmxctl/IpStack.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "NameServerList";
constexpr char kServersField[] = "DNS Servers";
}  // namespace

IpDNSServerList::IpDNSServerList() {
    SetDescription(
        "Print a list of the DNS server currently configured on the system in the order in which they will be used.");
    SetDefaultOutputFormatter("simple");
}

std::shared_ptr<IpDNSServerList> IpDNSServerList::New() {
    return std::shared_ptr<IpDNSServerList>(new IpDNSServerList());
}

IpDNSServerList::~IpDNSServerList() = default;

RecordPtr IpDNSServerList::GetOutputStructure() { return RecordTemplate(kRecordName).StringList(kServersField); }

InputSpecPtr IpDNSServerList::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNetstackParameter, Parvik::CallSpec::PARAM_STRING, "N", kNetstackDescription, false);
    return spec;
}

OutputSpecPtr IpDNSServerList::GetOutputSpecInternal() { return MakeOutputSpec(GetOutputStructure()); }

void IpDNSServerList::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        LmxCtl::Network::DnsConfigImpl dns(NetstackOrDefault(input));
        if (dns.IsStale()) dns.Refresh();
        std::vector<std::string> servers;
        for (const auto& server : dns.GetNameServers()) servers.push_back(server.GetStringAddress());
        auto record = GetOutputStructure();
        record->SetField(kServersField, servers);
        output->SetRootObject(record);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
