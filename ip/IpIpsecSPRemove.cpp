// network ip ipsec sp remove: remove one security policy, or all of them.
#include "frame/CommandFrame.h"
#include "ip/StackCommands.h"
#include "lmxctl/IpStack.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kNameParameter[] = "sp-name";
constexpr char kAllParameter[] = "remove-all";
}  // namespace

IpIpsecSPRemove::IpIpsecSPRemove() { SetDescription("Operation to remove Security Policy"); }

std::shared_ptr<IpIpsecSPRemove> IpIpsecSPRemove::New() {
    return std::shared_ptr<IpIpsecSPRemove>(new IpIpsecSPRemove());
}

IpIpsecSPRemove::~IpIpsecSPRemove() = default;

InputSpecPtr IpIpsecSPRemove::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNameParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "Name for the Security Policy to be removed.", false);
    AddParameter(spec, kAllParameter, Parvik::CallSpec::PARAM_FLAG, "a", "Set to remove all Security Policys", false);
    return spec;
}

OutputSpecPtr IpIpsecSPRemove::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void IpIpsecSPRemove::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        bool hasName = input->HasParameter(kNameParameter);
        bool all = input->IsFlagSet(kAllParameter);
        if (hasName == all) {
            output->AddErrorMessage("You should specify exactly one of : --remove-all, --sp-name");
            return;
        }
        LmxCtl::Network::IpSecConfigImpl ipsec;
        if (all) {
            ipsec.FlushSPDConfig();
        } else {
            ipsec.RemoveSPDConfig(input->GetParameter(kNameParameter));
        }
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
