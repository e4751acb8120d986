// network ip dns search list: the search domains of a netstack, in the order they are tried.
#include "frame/CommandFrame.h"
#include "ip/StackCommands.h"
#include "ip/StackShared.h"
#include "kavrel/Misc.h"
#include "lmxctl/IpStack.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "DNSSearchList";
constexpr char kDomainsField[] = "DNS Search Domains";
}  // namespace

IpDNSSearchList::IpDNSSearchList() {
    SetDescription(
        "List the search domains currently configured on the Talix host in the order in which they will be used when "
        "searching.");
    SetDefaultOutputFormatter("simple");
}

std::shared_ptr<IpDNSSearchList> IpDNSSearchList::New() {
    return std::shared_ptr<IpDNSSearchList>(new IpDNSSearchList());
}

IpDNSSearchList::~IpDNSSearchList() = default;

RecordPtr IpDNSSearchList::GetOutputStructure() { return RecordTemplate(kRecordName).StringList(kDomainsField); }

InputSpecPtr IpDNSSearchList::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNetstackParameter, Parvik::CallSpec::PARAM_STRING, "N", kNetstackDescription, false);
    return spec;
}

OutputSpecPtr IpDNSSearchList::GetOutputSpecInternal() { return MakeOutputSpec(GetOutputStructure()); }

void IpDNSSearchList::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        LmxCtl::Network::DnsConfigImpl dns(NetstackOrDefault(input));
        std::vector<std::string> domains;
        Kavrel::Misc::StringTokenize(dns.GetSearchDomainsString(), domains, " ");
        auto record = GetOutputStructure();
        record->SetField(kDomainsField, domains);
        output->SetRootObject(record);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
