// network ip ipsec sa add: add a manually keyed security association.
#include "frame/CommandFrame.h"
#include "ip/StackCommands.h"
#include "ip/StackShared.h"
#include "lmxctl/IpStack.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kNameParameter[] = "sa-name";
constexpr char kModeParameter[] = "sa-mode";
constexpr char kEncryptAlgoParameter[] = "encryption-algorithm";
constexpr char kEncryptKeyParameter[] = "encryption-key";
constexpr char kAuthAlgoParameter[] = "integrity-algorithm";
constexpr char kAuthKeyParameter[] = "integrity-key";
}  // namespace

IpIpsecSAAdd::IpIpsecSAAdd() { SetDescription("Add a Security Association."); }

std::shared_ptr<IpIpsecSAAdd> IpIpsecSAAdd::New() { return std::shared_ptr<IpIpsecSAAdd>(new IpIpsecSAAdd()); }

IpIpsecSAAdd::~IpIpsecSAAdd() = default;

InputSpecPtr IpIpsecSAAdd::GetInputSpecInternal() {
    using Parvik::CallSpec::PARAM_STRING;
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNameParameter, PARAM_STRING, "n", "Name for the Security Association to be added.", true);
    AddParameter(spec, kSaSourceParameter, PARAM_STRING, "s",
                 "Ipv6 address of Security Association source. Can be specified a correct IPv6 address.", true);
    AddParameter(spec, kSaDestinationParameter, PARAM_STRING, "d",
                 "Ipv6 address of Security Association destination. Can be specified a correct IPv6 address.", true);
    AddParameter(spec, kModeParameter, PARAM_STRING, "m", "Security Association mode. Should be one in set %ENUM%.",
                 false, StringEnum({{"transport", nullptr}, {"tunnel", nullptr}}));
    AddParameter(spec, kSaSpiParameter, PARAM_STRING, "p", "SPI value for the Security Association(hex).", true);
    AddParameter(spec, kEncryptAlgoParameter, PARAM_STRING, "e",
                 "Encryption algorithm for the Security Association. Should be one in set %ENUM%.", true,
                 StringEnum({{"null", nullptr}, {"3des-cbc", nullptr}, {"aes128-cbc", nullptr}}));
    AddParameter(spec, kEncryptKeyParameter, PARAM_STRING, "k",
                 "Encryption key(ASCII or hex). Length of hex key is dependent upon algorithm used. Required when a "
                 "encryption algorithm has been specified.",
                 false);
    AddParameter(spec, kAuthAlgoParameter, PARAM_STRING, "i",
                 "Integrity algorithm for the Security Association. Should be one in set %ENUM%.", true,
                 StringEnum({{"hmac-sha1", nullptr}, {"hmac-sha2-256", nullptr}}));
    AddParameter(spec, kAuthKeyParameter, PARAM_STRING, "K",
                 "Integrity key(ASCII or hex). Length of hex key is dependent upon algorithm used.", true);
    return spec;
}

OutputSpecPtr IpIpsecSAAdd::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void IpIpsecSAAdd::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    using LmxCtl::Network::IpSecConfigImpl;
    WithStandardErrors(output, [&] {
        Kavrel::Network::IpSecSadParam param;
        param.source = Kavrel::Network::Ipv6Address(kIpv6UnspecifiedAddress);
        param.destination = Kavrel::Network::Ipv6Address(kIpv6UnspecifiedAddress);
        param.name = input->GetParameter(kNameParameter);
        if (!ReadSaEndpoints(input, output, param)) return;
        std::string mode = ParameterOr(input, kModeParameter);
        param.mode = IpSecConfigImpl::StringToIpSecMode(mode);
        const std::string& encryption = input->GetParameter(kEncryptAlgoParameter);
        param.encryptionAlgorithm = IpSecConfigImpl::StringToIpSecEncyptAlgo(encryption);
        param.integrityAlgorithm = IpSecConfigImpl::StringToIpSecAuthAlgo(input->GetParameter(kAuthAlgoParameter));
        param.integrityKey = input->GetParameter(kAuthKeyParameter);
        if (input->HasParameter(kEncryptKeyParameter)) {
            param.encryptionKey = input->GetParameter(kEncryptKeyParameter);
        } else if (encryption != "null") {
            output->AddErrorMessage("Missing encryption key");
            return;
        }
        IpSecConfigImpl ipsec;
        ipsec.AddSADConfig(param);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
