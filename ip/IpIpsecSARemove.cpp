// network ip ipsec sa remove: remove one named SA, one automatically negotiated SA, or all of them.
#include "frame/CommandFrame.h"
#include "ip/StackCommands.h"
#include "ip/StackShared.h"
#include "lmxctl/IpStack.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kNameParameter[] = "sa-name";
constexpr char kAllParameter[] = "remove-all";
const char kAutoName[] = "auto";
const char kAmbiguousMessage[] =
    "Can not figure out which operation you want to perform.\n"
    "Remove a unique SA: Only specify the '--sa-name' option to remove a normal SA.\n"
    "Remove an auto SA: Set the '--sa-name' to 'auto'. You should also specify '--sa-source', '--sa-destination' "
    "and '--sa-spi' and omit '--remove-all' when removing an auto SA.\n"
    "Remove all SAs: You should only set the flag '--remove-all' to remove all SAs.";
}  // namespace

IpIpsecSARemove::IpIpsecSARemove() { SetDescription("Operation to remove Security Association(s)"); }

std::shared_ptr<IpIpsecSARemove> IpIpsecSARemove::New() {
    return std::shared_ptr<IpIpsecSARemove>(new IpIpsecSARemove());
}

IpIpsecSARemove::~IpIpsecSARemove() = default;

InputSpecPtr IpIpsecSARemove::GetInputSpecInternal() {
    using Parvik::CallSpec::PARAM_STRING;
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNameParameter, PARAM_STRING, "n",
                 "Name for the Security Association to be removed. Specify 'auto' to remove an auto SA.", false);
    AddParameter(spec, kAllParameter, Parvik::CallSpec::PARAM_FLAG, "a", "Set to remove all Security Associations.",
                 false);
    AddParameter(spec, kSaSourceParameter, PARAM_STRING, "s",
                 "Ipv6 address of Security Association source. This option needs to be specified when removing an "
                 "auto SA.",
                 false);
    AddParameter(spec, kSaDestinationParameter, PARAM_STRING, "d",
                 "Ipv6 address of Security Association destination. This option needs to be specified when removing "
                 "an auto SA.",
                 false);
    AddParameter(spec, kSaSpiParameter, PARAM_STRING, "p",
                 "SPI value for the Security Association (hex). This option needs to be specified when removing an "
                 "auto SA",
                 false);
    return spec;
}

OutputSpecPtr IpIpsecSARemove::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void IpIpsecSARemove::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        bool hasName = input->HasParameter(kNameParameter);
        bool all = input->IsFlagSet(kAllParameter);
        bool hasSource = input->HasParameter(kSaSourceParameter);
        bool hasDestination = input->HasParameter(kSaDestinationParameter);
        bool hasSpi = input->HasParameter(kSaSpiParameter);
        std::string name = hasName ? input->GetParameter(kNameParameter) : "";
        LmxCtl::Network::IpSecConfigImpl ipsec;
        if (hasName && name != kAutoName && !all && !hasSource && !hasDestination && !hasSpi) {
            ipsec.RemoveSADConfig(name);
        } else if (hasName && name == kAutoName && hasSource && hasDestination && hasSpi && !all) {
            Kavrel::Network::IpSecSadParam param;
            if (!ReadSaEndpoints(input, output, param)) return;
            ipsec.RemoveAutoSADConfig(param);
        } else if (all && !hasName && !hasSource && !hasDestination && !hasSpi) {
            ipsec.FlushSADConfig();
        } else {
            output->AddErrorMessage(kAmbiguousMessage);
            return;
        }
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
