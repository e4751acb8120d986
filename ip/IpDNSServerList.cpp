// ip d n s server list: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpDNSServerList::IpDNSServerList() {}

std::shared_ptr<IpDNSServerList> IpDNSServerList::New() { return std::shared_ptr<IpDNSServerList>(new IpDNSServerList()); }

IpDNSServerList::~IpDNSServerList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> IpDNSServerList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("IpDNSServerList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> IpDNSServerList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpDNSServerList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpDNSServerList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                     const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
