// ip ipsec s p list: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpIpsecSPList::IpIpsecSPList() {}

std::shared_ptr<IpIpsecSPList> IpIpsecSPList::New() { return std::shared_ptr<IpIpsecSPList>(new IpIpsecSPList()); }

IpIpsecSPList::~IpIpsecSPList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> IpIpsecSPList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("IpIpsecSPList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> IpIpsecSPList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpIpsecSPList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpIpsecSPList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                   const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
