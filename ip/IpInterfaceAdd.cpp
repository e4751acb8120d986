// network ip interface add: create a Lumex interface at a port group or distributed port.
#include "frame/CommandFrame.h"
#include "ip/InterfaceCommands.h"
#include "ip/InterfaceShared.h"
#include "ip/StackShared.h"
#include "lmxctl/LumexNicInfoImpl.h"
#include "lmxctl/NetworkInfoImpl.h"
#include "lmxctl/Util.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kMtuParameter[] = "mtu";
constexpr char kNumRxQueueParameter[] = "num-rxqueue";
constexpr char kMacAddressParameter[] = "mac-address";

// The dedicated netstacks and the tag each gives its interfaces.
struct DedicatedStack {
    const char* netstack;
    Kavrel::Network::LmxNicTagType tag;
};
const DedicatedStack kDedicatedStacks[] = {{"travex", 2}, {"faultTolerance", 3}, {"CeldraProvisioning", 6}};
const char kProvisioningNetstack[] = "CeldraProvisioning";

// The new interface gets the tag; interfaces on the default stack lose it.
void Retag(LmxCtl::Network::LumexNicInfoImpl& info, LmxCtl::Network::LmxNicImpl& created,
           Kavrel::Network::LmxNicTagType tag) {
    created.AddTag(tag, false);
    for (const auto& nic : info.GetLumexNicsByTag(tag)) {
        if (nic->GetNetstackInstanceKey() == kDefaultNetstack) nic->RemoveTag(tag);
    }
}
}  // namespace

IpInterfaceAdd::IpInterfaceAdd() { SetDescription("Add a new Lumex network interface."); }

std::shared_ptr<IpInterfaceAdd> IpInterfaceAdd::New() { return std::shared_ptr<IpInterfaceAdd>(new IpInterfaceAdd()); }

IpInterfaceAdd::~IpInterfaceAdd() = default;

InputSpecPtr IpInterfaceAdd::GetInputSpecInternal() {
    using Parvik::CallSpec::PARAM_INTEGER;
    using Parvik::CallSpec::PARAM_STRING;
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNetstackParameter, PARAM_STRING, "N", kNetstackDescription, false);
    AddParameter(spec, kPortgroupNameParameter, PARAM_STRING, "p",
                 "The name of the vswitch port group to add this Lumex network interface to.", false);
    AddParameter(spec, kDvsNameParameter, PARAM_STRING, "s", kDvsNameDescription, false);
    AddParameter(spec, kDvportIdParameter, PARAM_STRING, "P", kDvportIdDescription, false);
    AddParameter(spec, kMtuParameter, PARAM_INTEGER, "m",
                 "Set the MTU setting for a given Lumex network interface on creation", false,
                 IntRange(Kavrel::Network::LmxNic::MIN_MTU, Kavrel::Network::LmxNic::MAX_MTU));
    AddParameter(spec, kNumRxQueueParameter, PARAM_INTEGER, "R",
                 "Set the number of RX dispatch queues for a given Lumex network interface on creation", false,
                 IntRange(1, 1000));
    AddParameter(spec, kMacAddressParameter, PARAM_STRING, "M",
                 "Set the MAC address for the newly created Lumex network interface.", false);
    AddParameter(spec, kInterfaceNameParameter, PARAM_STRING, "i",
                 "The name of the Lumex network interface to create. This name must be in the form lmxX, where X is "
                 "a number 0-255",
                 false, StringRegex(kInterfaceNamePattern));
    return spec;
}

OutputSpecPtr IpInterfaceAdd::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void IpInterfaceAdd::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        if (input->HasParameter(kNetstackParameter)) {
            std::string netstack = input->GetParameter(kNetstackParameter);
            LmxCtl::Network::NetworkInfoImpl network;
            bool found = false;
            for (const auto& instance : network.ListNetstackInstances()) {
                if (instance->GetKey() == netstack) found = true;
            }
            if (!found) {
                output->AddErrorMessage("The netstack " + netstack + " does not exist.");
                return;
            }
        }
        if (!CheckConnectionPointRules(input, output)) return;
        Kavrel::Network::MacAddress mac;
        if (input->HasParameter(kMacAddressParameter)) {
            std::string text = input->GetParameter(kMacAddressParameter);
            if (!Kavrel::Network::MacAddress::IsValid(text)) {
                output->AddErrorMessage("Invalid unicast MAC address specified.");
                return;
            }
            mac = Kavrel::Network::MacAddress(text);
        }
        int mtu = input->HasParameter(kMtuParameter) ? SaturatedInt(input->GetParameterInt(kMtuParameter)) : 0;
        int queues =
            input->HasParameter(kNumRxQueueParameter) ? SaturatedInt(input->GetParameterInt(kNumRxQueueParameter)) : 0;
        std::string name = ParameterOr(input, kInterfaceNameParameter);
        auto point = BuildConnectionPoint(input, output);
        if (!point) return;

        WithPrefixedErrors(output, "Unable to add Lumex network interface. Error was : ", [&] {
            LmxCtl::Network::LumexNicInfoImpl info;
            Kavrel::Network::IpConfig config;
            std::string netstack = NetstackOrDefault(input);
            auto created = info.AddLumexNic(*point, netstack, config, mac, 0, mtu, queues, name, false);
            for (const auto& dedicated : kDedicatedStacks) {
                if (netstack == dedicated.netstack) Retag(info, *created, dedicated.tag);
            }
            if (netstack == kProvisioningNetstack) {
                const std::string command = "/etc/init.d/nfcd " + LmxCtl::Util::MakeChildRpLmxOption(24) + " restart";
                const std::string failure =
                    "Unable to start the NFC daemon. Take a look at /var/log/nfcd.log for more information.";
                if (LmxCtl::Util::LmxCtl_Exec(command, false, true, false, failure) != 0) {
                    output->AddErrorMessage(failure);
                }
            }
            config.SetUseIpv6RouterAdvertised(true);
            created->SetIpConfig(config);
            SetSuccess(output);
        });
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
