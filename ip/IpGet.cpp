// ip get: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpGet::IpGet() {}

std::shared_ptr<IpGet> IpGet::New() { return std::shared_ptr<IpGet>(new IpGet()); }

IpGet::~IpGet() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> IpGet::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("IpGet");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> IpGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpGet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpGet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                           const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
