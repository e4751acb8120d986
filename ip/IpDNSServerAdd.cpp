// network ip dns server add: append a DNS server to a netstack's resolver configuration.
#include "frame/CommandFrame.h"
#include "ip/StackCommands.h"
#include "ip/StackShared.h"
#include "lmxctl/IpStack.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kServerParameter[] = "server";
}  // namespace

IpDNSServerAdd::IpDNSServerAdd() {
    SetDescription("Add a new DNS server to the end of the list of DNS servers to use for this Talix host.");
}

std::shared_ptr<IpDNSServerAdd> IpDNSServerAdd::New() { return std::shared_ptr<IpDNSServerAdd>(new IpDNSServerAdd()); }

IpDNSServerAdd::~IpDNSServerAdd() = default;

InputSpecPtr IpDNSServerAdd::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kServerParameter, Parvik::CallSpec::PARAM_STRING, "s",
                 "The IP address (v4 or v6) of the DNS server to add to the DNS server list.", true);
    AddParameter(spec, kNetstackParameter, Parvik::CallSpec::PARAM_STRING, "N", kNetstackDescription, false);
    return spec;
}

OutputSpecPtr IpDNSServerAdd::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void IpDNSServerAdd::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        LmxCtl::Network::DnsConfigImpl dns(NetstackOrDefault(input));
        Kavrel::Network::IpAddress address;
        if (!ParseDnsAddress(input->GetParameter(kServerParameter), output, address)) return;
        dns.AddUserNameServer(address);
        dns.SaveConfig();
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
