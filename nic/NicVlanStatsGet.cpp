// nic vlan stats get: not implemented yet.
#include "nic/NicCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicVlanStatsGet::NicVlanStatsGet() {}

std::shared_ptr<NicVlanStatsGet> NicVlanStatsGet::New() { return std::shared_ptr<NicVlanStatsGet>(new NicVlanStatsGet()); }

NicVlanStatsGet::~NicVlanStatsGet() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> NicVlanStatsGet::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("NicVlanStatsGet");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> NicVlanStatsGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicVlanStatsGet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicVlanStatsGet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                     const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
