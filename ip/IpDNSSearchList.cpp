// ip d n s search list: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpDNSSearchList::IpDNSSearchList() {}

std::shared_ptr<IpDNSSearchList> IpDNSSearchList::New() { return std::shared_ptr<IpDNSSearchList>(new IpDNSSearchList()); }

IpDNSSearchList::~IpDNSSearchList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> IpDNSSearchList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("IpDNSSearchList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> IpDNSSearchList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpDNSSearchList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpDNSSearchList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                     const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
