// ip interface tag remove: not implemented yet.
#include "ip/InterfaceCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpInterfaceTagRemove::IpInterfaceTagRemove() {}

std::shared_ptr<IpInterfaceTagRemove> IpInterfaceTagRemove::New() { return std::shared_ptr<IpInterfaceTagRemove>(new IpInterfaceTagRemove()); }

IpInterfaceTagRemove::~IpInterfaceTagRemove() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> IpInterfaceTagRemove::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpInterfaceTagRemove::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpInterfaceTagRemove::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                          const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
