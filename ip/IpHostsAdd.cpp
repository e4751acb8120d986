// ip hosts add: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpHostsAdd::IpHostsAdd() {}

std::shared_ptr<IpHostsAdd> IpHostsAdd::New() { return std::make_shared<IpHostsAdd>(); }

IpHostsAdd::~IpHostsAdd() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> IpHostsAdd::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpHostsAdd::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpHostsAdd::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
