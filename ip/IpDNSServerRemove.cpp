// network ip dns server remove: drop one DNS server, or all of them.
#include "frame/CommandFrame.h"
#include "ip/StackCommands.h"
#include "ip/StackShared.h"
#include "lmxctl/IpStack.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kAllParameter[] = "all";
constexpr char kServerParameter[] = "server";
}  // namespace

IpDNSServerRemove::IpDNSServerRemove() {
    SetDescription("Remove a DNS server from the list of DNS servers to use for this Talix host.");
}

std::shared_ptr<IpDNSServerRemove> IpDNSServerRemove::New() {
    return std::shared_ptr<IpDNSServerRemove>(new IpDNSServerRemove());
}

IpDNSServerRemove::~IpDNSServerRemove() = default;

InputSpecPtr IpDNSServerRemove::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kAllParameter, Parvik::CallSpec::PARAM_FLAG, "a", " ", false);
    AddParameter(spec, kServerParameter, Parvik::CallSpec::PARAM_STRING, "s", " ", false);
    AddParameter(spec, kNetstackParameter, Parvik::CallSpec::PARAM_STRING, "N", kNetstackDescription, false);
    return spec;
}

OutputSpecPtr IpDNSServerRemove::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void IpDNSServerRemove::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        LmxCtl::Network::DnsConfigImpl dns(NetstackOrDefault(input));
        bool all = input->IsFlagSet(kAllParameter);
        bool hasServer = input->HasParameter(kServerParameter);
        if (all == hasServer) {
            output->AddErrorMessage("You must specify exactly one of: --all, --server");
            return;
        }
        if (all) {
            dns.RemoveNameServers();
        } else {
            Kavrel::Network::IpAddress address;
            if (!ParseDnsAddress(input->GetParameter(kServerParameter), output, address)) return;
            dns.RemoveNameServer(address);
        }
        dns.SaveConfig();
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
