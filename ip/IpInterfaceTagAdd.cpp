// network ip interface tag add: mark a Lumex interface for one kind of host traffic.
#include "frame/CommandFrame.h"
#include "ip/InterfaceCommands.h"
#include "ip/InterfaceShared.h"
#include "kavrel/IpStack.h"
#include "kavrel/NetworkFactory.h"
#include "lmxctl/LumexNicInfoImpl.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kTagNameParameter[] = "tagname";

// The dedicated netstack bound to a tag, or "" for a tag without one.
std::string DedicatedNetstackOf(Kavrel::Network::LmxNicTagType tag) {
    switch (tag) {
    case 2: return "travex";
    case 3: return "faultTolerance";
    case 6: return "CeldraProvisioning";
    default: return "";
    }
}
}  // namespace

IpInterfaceTagAdd::IpInterfaceTagAdd() {
    SetDescription("Adds a tag on a given Lumex network interface. " + SupportedTagsText());
}

std::shared_ptr<IpInterfaceTagAdd> IpInterfaceTagAdd::New() {
    return std::shared_ptr<IpInterfaceTagAdd>(new IpInterfaceTagAdd());
}

IpInterfaceTagAdd::~IpInterfaceTagAdd() = default;

InputSpecPtr IpInterfaceTagAdd::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kInterfaceNameParameter, Parvik::CallSpec::PARAM_STRING, "i",
                 "The name of the Lumex network interface on which tags should be set. This name must be an "
                 "interface listed in the interface list command.",
                 true);
    AddParameter(spec, kTagNameParameter, Parvik::CallSpec::PARAM_STRING, "t", "Tag name to assign to the interface",
                 true);
    return spec;
}

OutputSpecPtr IpInterfaceTagAdd::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void IpInterfaceTagAdd::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    std::string name = input->GetParameter(kInterfaceNameParameter);
    std::string tagName = input->GetParameter(kTagNameParameter);
    WithPrefixedErrors(output, "Error setting tag " + tagName + " on interface " + name + ". Error was : ", [&] {
        Kavrel::Network::LmxNicTagType tag = 0;
        if (!TagFromName(tagName, output, tag)) return;
        LmxCtl::Network::LumexNicInfoImpl info;
        std::string dedicated = DedicatedNetstackOf(tag);
        if (!dedicated.empty()) {
            auto network = Kavrel::Network::NetworkFactory::GetNetworkInfo();
            std::vector<std::string> names;
            if (network->GetNetstackState(dedicated) == Kavrel::Network::NETSTACK_STATE_ENABLED) {
                info.GetLmxnicNamesByInstanceKey(names, dedicated, 0);
            }
            if (!names.empty()) {
                output->AddErrorMessage("Failed to add " + tagName + " tag when dedicated stack is instantiated");
                return;
            }
        }
        auto nic = FindInterface(name, output, "Unable to find lmxnic with name " + name);
        if (!nic) return;
        std::string netstack = nic->GetNetstackInstanceKey();
        if ((netstack == "travex" && tag != 2) || (netstack == "faultTolerance" && tag != 3) ||
            (netstack == "CeldraProvisioning" && tag != 6)) {
            output->AddErrorMessage("netstack mismatch for tag" + tagName);
            return;
        }
        nic->AddTag(tag, false);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
