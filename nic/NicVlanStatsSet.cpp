// nic vlan stats set: not implemented yet.
#include "nic/NicCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicVlanStatsSet::NicVlanStatsSet() {}

std::shared_ptr<NicVlanStatsSet> NicVlanStatsSet::New() { return std::shared_ptr<NicVlanStatsSet>(new NicVlanStatsSet()); }

NicVlanStatsSet::~NicVlanStatsSet() = default;

std::shared_ptr<Parvik::CallSpec::InputSpec> NicVlanStatsSet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicVlanStatsSet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicVlanStatsSet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                     const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
