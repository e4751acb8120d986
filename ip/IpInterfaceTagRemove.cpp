// network ip interface tag remove: take a traffic tag off a Lumex interface.
#include "frame/CommandFrame.h"
#include "ip/InterfaceCommands.h"
#include "ip/InterfaceShared.h"
#include "kavrel/Host.h"
#include "kavrel/NetworkInfo.h"
#include "lmxctl/LumexNicInfoImpl.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kTagNameParameter[] = "tagname";
}  // namespace

IpInterfaceTagRemove::IpInterfaceTagRemove() { SetDescription("Removes a tag on a given Lumex network interface."); }

std::shared_ptr<IpInterfaceTagRemove> IpInterfaceTagRemove::New() {
    return std::shared_ptr<IpInterfaceTagRemove>(new IpInterfaceTagRemove());
}

IpInterfaceTagRemove::~IpInterfaceTagRemove() = default;

InputSpecPtr IpInterfaceTagRemove::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kInterfaceNameParameter, Parvik::CallSpec::PARAM_STRING, "i",
                 "The name of the Lumex network interface from which tags should be removed. This name must be an "
                 "interface listed  in the interface list command.",
                 true);
    AddParameter(spec, kTagNameParameter, Parvik::CallSpec::PARAM_STRING, "t", "Tag name to assign to the interface",
                 true);
    return spec;
}

OutputSpecPtr IpInterfaceTagRemove::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void IpInterfaceTagRemove::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    std::string name = input->GetParameter(kInterfaceNameParameter);
    std::string tagName = input->GetParameter(kTagNameParameter);
    WithPrefixedErrors(output, "Error removing tag " + tagName + " from interface " + name + ". Error was : ", [&] {
        Kavrel::Network::LmxNicTagType tag = 0;
        if (!TagFromName(tagName, output, tag)) return;
        auto nic = FindInterface(name, output, "Unable to find lmxnic with name " + name);
        if (!nic) return;
        std::string netstack = nic->GetNetstackInstanceKey();
        auto predefined = Kavrel::HostFactory::GetHost()->GetNetworkInfo()->GetPredefinedNetstackNames();
        for (const auto& key : predefined) {
            if (key == netstack) {
                output->AddErrorMessage("Can not remove tag from pre-defined netstack.");
                return;
            }
        }
        nic->RemoveTag(tag);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
