// ip netstack instance list: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpNetstackInstanceList::IpNetstackInstanceList() {}

std::shared_ptr<IpNetstackInstanceList> IpNetstackInstanceList::New() { return std::shared_ptr<IpNetstackInstanceList>(new IpNetstackInstanceList()); }

IpNetstackInstanceList::~IpNetstackInstanceList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> IpNetstackInstanceList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("IpNetstackInstanceList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> IpNetstackInstanceList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpNetstackInstanceList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpNetstackInstanceList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                            const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
