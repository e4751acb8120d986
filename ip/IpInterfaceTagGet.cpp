// ip interface tag get: not implemented yet.
#include "ip/InterfaceCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpInterfaceTagGet::IpInterfaceTagGet() {}

std::shared_ptr<IpInterfaceTagGet> IpInterfaceTagGet::New() { return std::shared_ptr<IpInterfaceTagGet>(new IpInterfaceTagGet()); }

IpInterfaceTagGet::~IpInterfaceTagGet() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> IpInterfaceTagGet::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("IpInterfaceTagGet");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> IpInterfaceTagGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpInterfaceTagGet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpInterfaceTagGet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                       const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
