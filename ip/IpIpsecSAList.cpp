// ip ipsec s a list: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpIpsecSAList::IpIpsecSAList() {}

std::shared_ptr<IpIpsecSAList> IpIpsecSAList::New() { return std::shared_ptr<IpIpsecSAList>(new IpIpsecSAList()); }

IpIpsecSAList::~IpIpsecSAList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> IpIpsecSAList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("IpIpsecSAList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> IpIpsecSAList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpIpsecSAList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpIpsecSAList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                   const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
