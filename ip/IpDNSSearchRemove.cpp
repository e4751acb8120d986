// network ip dns search remove: drop a search domain from a netstack's resolver configuration.
#include "frame/CommandFrame.h"
#include "ip/StackCommands.h"
#include "ip/StackShared.h"
#include "lmxctl/IpStack.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kDomainParameter[] = "domain";
}  // namespace

IpDNSSearchRemove::IpDNSSearchRemove() {
    SetDescription(
        "Remove a search domain from the list of domains to be searched when trying to resolve an host name on the "
        "Talix host.");
}

std::shared_ptr<IpDNSSearchRemove> IpDNSSearchRemove::New() {
    return std::shared_ptr<IpDNSSearchRemove>(new IpDNSSearchRemove());
}

IpDNSSearchRemove::~IpDNSSearchRemove() = default;

InputSpecPtr IpDNSSearchRemove::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kDomainParameter, Parvik::CallSpec::PARAM_STRING, "d",
                 "The string name of a domain to remove from the list of search domains.", true);
    AddParameter(spec, kNetstackParameter, Parvik::CallSpec::PARAM_STRING, "N", kNetstackDescription, false);
    return spec;
}

OutputSpecPtr IpDNSSearchRemove::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void IpDNSSearchRemove::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        LmxCtl::Network::DnsConfigImpl dns(NetstackOrDefault(input));
        dns.RemoveSearchDomain(input->GetParameter(kDomainParameter));
        dns.SaveConfig();
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
