// network ip dns search add: append a search domain to a netstack's resolver configuration.
#include "frame/CommandFrame.h"
#include "ip/StackCommands.h"
#include "ip/StackShared.h"
#include "lmxctl/IpStack.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kDomainParameter[] = "domain";
}  // namespace

IpDNSSearchAdd::IpDNSSearchAdd() {
    SetDescription(
        "Add a search domain to the list of domains to be searched when trying to resolve an host name on the Talix "
        "host.");
}

std::shared_ptr<IpDNSSearchAdd> IpDNSSearchAdd::New() { return std::shared_ptr<IpDNSSearchAdd>(new IpDNSSearchAdd()); }

IpDNSSearchAdd::~IpDNSSearchAdd() = default;

InputSpecPtr IpDNSSearchAdd::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kDomainParameter, Parvik::CallSpec::PARAM_STRING, "d",
                 "The string name of a domain to add to the list of search domains.", true);
    AddParameter(spec, kNetstackParameter, Parvik::CallSpec::PARAM_STRING, "N", kNetstackDescription, false);
    return spec;
}

OutputSpecPtr IpDNSSearchAdd::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void IpDNSSearchAdd::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        LmxCtl::Network::DnsConfigImpl dns(NetstackOrDefault(input));
        dns.AddUserSearchDomain(input->GetParameter(kDomainParameter));
        dns.SaveConfig();
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
