// network ip interface remove: remove a Lumex interface named by name or by its connection point.
#include "frame/CommandFrame.h"
#include "ip/InterfaceCommands.h"
#include "ip/InterfaceShared.h"
#include "ip/StackShared.h"
#include "lmxctl/LumexNicInfoImpl.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpInterfaceRemove::IpInterfaceRemove() {
    SetDescription(
        "Remove a Lumex network interface from the Talix host. A Lumex network interface can be uniquely specified "
        "by --interface-name or --portgroup-name or --dvs-name/--dvport-id. i.e. Providing its name or its "
        "connection point are two ways to uniquely specify a Lumex network interface.");
}

std::shared_ptr<IpInterfaceRemove> IpInterfaceRemove::New() {
    return std::shared_ptr<IpInterfaceRemove>(new IpInterfaceRemove());
}

IpInterfaceRemove::~IpInterfaceRemove() = default;

InputSpecPtr IpInterfaceRemove::GetInputSpecInternal() {
    using Parvik::CallSpec::PARAM_STRING;
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNetstackParameter, PARAM_STRING, "N", kNetstackDescription, false);
    AddParameter(spec, kPortgroupNameParameter, PARAM_STRING, "p",
                 "The name of the vswitch port group to delete this Lumex network interface from.", false);
    AddParameter(spec, kDvsNameParameter, PARAM_STRING, "s", kDvsNameDescription, false);
    AddParameter(spec, kDvportIdParameter, PARAM_STRING, "P", kDvportIdDescription, false);
    AddParameter(spec, kInterfaceNameParameter, PARAM_STRING, "i",
                 "The name of the Lumex network interface to remove. This name must be in the form lmxX, where X is "
                 "a number 0-255",
                 false, StringRegex(kInterfaceNamePattern));
    return spec;
}

OutputSpecPtr IpInterfaceRemove::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void IpInterfaceRemove::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    bool portgroup = input->HasParameter(kPortgroupNameParameter);
    bool dvsName = input->HasParameter(kDvsNameParameter);
    bool dvportId = input->HasParameter(kDvportIdParameter);
    bool named = input->HasParameter(kInterfaceNameParameter);
    if ((portgroup && named) || (!portgroup && dvsName && named) || (!portgroup && !dvsName && dvportId == named)) {
        output->AddErrorMessage(
            "Please correctly and uniquely specify a way to remove it. A Lumex network interface can be uniquely "
            "specified by --interface-name or --portgroup-name or --dvs-name/--dvport-id. i.e. Providing its name or "
            "its connection point are two ways to uniquely specify a Lumex network interface.");
        return;
    }
    WithStandardErrors(output, [&] {
        if (named) {
            std::string name = input->GetParameter(kInterfaceNameParameter);
            WithPrefixedErrors(output, "Unable to remove Lumex network interface. Error was : ", [&] {
                LmxCtl::Network::LumexNicInfoImpl info;
                auto nic = FindListedInterface(info, name, output,
                                               "Unable to find Lumex network interface with the name " + name);
                if (!nic) {
                    output->SetRootObject(Parvik::MetaObj::MetaBool::New(false));
                    return;
                }
                nic->Remove();
                SetSuccess(output);
            });
            return;
        }
        if (!CheckConnectionPointRules(input, output)) return;
        auto point = BuildConnectionPoint(input, output);
        if (!point) return;
        WithPrefixedErrors(output, "Unable to remove Lumex network interface. Error was : ", [&] {
            LmxCtl::Network::LumexNicInfoImpl info;
            info.RemoveLumexNic(*point, NetstackOrDefault(input));
            SetSuccess(output);
        });
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
