// firewall refresh: not implemented yet.
#include "firewall/FirewallCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

FirewallRefresh::FirewallRefresh() {}

std::shared_ptr<FirewallRefresh> FirewallRefresh::New() { return std::shared_ptr<FirewallRefresh>(new FirewallRefresh()); }

FirewallRefresh::~FirewallRefresh() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> FirewallRefresh::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> FirewallRefresh::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void FirewallRefresh::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                     const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
