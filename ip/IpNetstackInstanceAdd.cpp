// ip netstack instance add: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpNetstackInstanceAdd::IpNetstackInstanceAdd() {}

std::shared_ptr<IpNetstackInstanceAdd> IpNetstackInstanceAdd::New() { return std::shared_ptr<IpNetstackInstanceAdd>(new IpNetstackInstanceAdd()); }

IpNetstackInstanceAdd::~IpNetstackInstanceAdd() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> IpNetstackInstanceAdd::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpNetstackInstanceAdd::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpNetstackInstanceAdd::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                           const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
