// ip interface list: not implemented yet.
#include "ip/InterfaceCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpInterfaceList::IpInterfaceList() {}

std::shared_ptr<IpInterfaceList> IpInterfaceList::New() { return std::shared_ptr<IpInterfaceList>(new IpInterfaceList()); }

IpInterfaceList::~IpInterfaceList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> IpInterfaceList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("IpInterfaceList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> IpInterfaceList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpInterfaceList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpInterfaceList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                     const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
