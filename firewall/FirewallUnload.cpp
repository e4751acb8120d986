// firewall unload: not implemented yet.
#include "firewall/FirewallCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

FirewallUnload::FirewallUnload() {}

std::shared_ptr<FirewallUnload> FirewallUnload::New() { return std::shared_ptr<FirewallUnload>(new FirewallUnload()); }

FirewallUnload::~FirewallUnload() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> FirewallUnload::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> FirewallUnload::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void FirewallUnload::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                    const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
