// ip interface remove: not implemented yet.
#include "ip/InterfaceCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpInterfaceRemove::IpInterfaceRemove() {}

std::shared_ptr<IpInterfaceRemove> IpInterfaceRemove::New() { return std::shared_ptr<IpInterfaceRemove>(new IpInterfaceRemove()); }

IpInterfaceRemove::~IpInterfaceRemove() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> IpInterfaceRemove::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpInterfaceRemove::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpInterfaceRemove::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                       const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
