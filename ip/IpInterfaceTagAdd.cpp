// ip interface tag add: not implemented yet.
#include "ip/InterfaceCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpInterfaceTagAdd::IpInterfaceTagAdd() {}

std::shared_ptr<IpInterfaceTagAdd> IpInterfaceTagAdd::New() { return std::shared_ptr<IpInterfaceTagAdd>(new IpInterfaceTagAdd()); }

IpInterfaceTagAdd::~IpInterfaceTagAdd() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> IpInterfaceTagAdd::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpInterfaceTagAdd::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpInterfaceTagAdd::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                       const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
