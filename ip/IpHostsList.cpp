// ip hosts list: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpHostsList::IpHostsList() {}

std::shared_ptr<IpHostsList> IpHostsList::New() { return std::make_shared<IpHostsList>(); }

IpHostsList::~IpHostsList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> IpHostsList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("IpHostsList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> IpHostsList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpHostsList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpHostsList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
