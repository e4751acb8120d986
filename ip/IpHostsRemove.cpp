// network ip hosts remove: remove a user entry from the host's static name table.
#include "frame/CommandFrame.h"
#include "ip/StackCommands.h"
#include "lmxctl/IpStack.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kIpParameter[] = "ip";
constexpr char kHostNameParameter[] = "hostname";
}  // namespace

IpHostsRemove::IpHostsRemove() { SetDescription("Remove association of IP addresses with host names."); }

std::shared_ptr<IpHostsRemove> IpHostsRemove::New() { return std::make_shared<IpHostsRemove>(); }

IpHostsRemove::~IpHostsRemove() = default;

InputSpecPtr IpHostsRemove::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kIpParameter, Parvik::CallSpec::PARAM_STRING, "I", "The IP address (v4 or v6) of the host.",
                 true);
    AddParameter(spec, kHostNameParameter, Parvik::CallSpec::PARAM_STRING, "H", "The name of the host.", true);
    return spec;
}

OutputSpecPtr IpHostsRemove::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void IpHostsRemove::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithPrefixedErrors(output, "Error removing etc host item:", [&] {
        std::string ip = input->GetParameter(kIpParameter);
        std::string hostName = input->GetParameter(kHostNameParameter);
        LmxCtl::Network::HostsFile hosts;
        hosts.RemoveEntryFromUser(ip, hostName);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
