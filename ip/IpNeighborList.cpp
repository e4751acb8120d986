// ip neighbor list: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpNeighborList::IpNeighborList() {}

std::shared_ptr<IpNeighborList> IpNeighborList::New() { return std::shared_ptr<IpNeighborList>(new IpNeighborList()); }

IpNeighborList::~IpNeighborList() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> IpNeighborList::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("IpNeighborList");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> IpNeighborList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpNeighborList::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpNeighborList::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                    const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
