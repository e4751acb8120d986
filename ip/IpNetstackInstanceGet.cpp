// ip netstack instance get: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpNetstackInstanceGet::IpNetstackInstanceGet() {}

std::shared_ptr<IpNetstackInstanceGet> IpNetstackInstanceGet::New() { return std::shared_ptr<IpNetstackInstanceGet>(new IpNetstackInstanceGet()); }

IpNetstackInstanceGet::~IpNetstackInstanceGet() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> IpNetstackInstanceGet::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("IpNetstackInstanceGet");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> IpNetstackInstanceGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpNetstackInstanceGet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpNetstackInstanceGet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                           const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
