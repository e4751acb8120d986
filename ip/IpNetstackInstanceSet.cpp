// ip netstack instance set: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpNetstackInstanceSet::IpNetstackInstanceSet() {}

std::shared_ptr<IpNetstackInstanceSet> IpNetstackInstanceSet::New() { return std::shared_ptr<IpNetstackInstanceSet>(new IpNetstackInstanceSet()); }

IpNetstackInstanceSet::~IpNetstackInstanceSet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> IpNetstackInstanceSet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpNetstackInstanceSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpNetstackInstanceSet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                           const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
