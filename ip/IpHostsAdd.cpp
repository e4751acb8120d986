// network ip hosts add: add a user entry to the host's static name table.
#include "frame/CommandFrame.h"
#include "ip/StackCommands.h"
#include "lmxctl/IpStack.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kIpParameter[] = "ip";
constexpr char kHostNameParameter[] = "hostname";
constexpr char kAliasParameter[] = "alias";
constexpr char kCommentParameter[] = "comment";
}  // namespace

IpHostsAdd::IpHostsAdd() { SetDescription("Add association of IP addresses with host names."); }

std::shared_ptr<IpHostsAdd> IpHostsAdd::New() { return std::make_shared<IpHostsAdd>(); }

IpHostsAdd::~IpHostsAdd() = default;

InputSpecPtr IpHostsAdd::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kIpParameter, Parvik::CallSpec::PARAM_STRING, "I", "The IP address (v4 or v6) of the host.",
                 true);
    AddParameter(spec, kHostNameParameter, Parvik::CallSpec::PARAM_STRING, "H", "The name of the host.", true);
    AddParameter(spec, kAliasParameter, Parvik::CallSpec::PARAM_LIST, "A", "The list of aliases of the host.", false);
    AddParameter(spec, kCommentParameter, Parvik::CallSpec::PARAM_STRING, "C", "Comment line of this item", false);
    return spec;
}

OutputSpecPtr IpHostsAdd::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void IpHostsAdd::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithPrefixedErrors(output, "Error adding etc host item:", [&] {
        std::string ip = input->GetParameter(kIpParameter);
        std::string hostName = input->GetParameter(kHostNameParameter);
        std::vector<std::string> aliases;
        if (input->HasParameter(kAliasParameter)) input->GetParameterList(kAliasParameter, aliases);
        std::string comment = ParameterOr(input, kCommentParameter);
        LmxCtl::Network::HostsFile hosts;
        hosts.AddEntryFromUser(ip, hostName, aliases, comment);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
