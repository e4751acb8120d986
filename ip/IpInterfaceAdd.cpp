// ip interface add: not implemented yet.
#include "ip/InterfaceCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpInterfaceAdd::IpInterfaceAdd() {}

std::shared_ptr<IpInterfaceAdd> IpInterfaceAdd::New() { return std::shared_ptr<IpInterfaceAdd>(new IpInterfaceAdd()); }

IpInterfaceAdd::~IpInterfaceAdd() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> IpInterfaceAdd::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpInterfaceAdd::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpInterfaceAdd::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                    const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
