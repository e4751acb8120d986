// ip neighbor remove: not implemented yet.
#include "ip/StackCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpNeighborRemove::IpNeighborRemove() {}

std::shared_ptr<IpNeighborRemove> IpNeighborRemove::New() { return std::shared_ptr<IpNeighborRemove>(new IpNeighborRemove()); }

IpNeighborRemove::~IpNeighborRemove() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> IpNeighborRemove::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> IpNeighborRemove::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void IpNeighborRemove::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                      const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
