// ip connection list: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpConnectionList::IpConnectionList() {}

std::shared_ptr<IpConnectionList> IpConnectionList::New() { return std::shared_ptr<IpConnectionList>(new IpConnectionList()); }

IpConnectionList::~IpConnectionList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> IpConnectionList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("IpConnectionList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> IpConnectionList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpConnectionList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpConnectionList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                      const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
