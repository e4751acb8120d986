// nic stats get: not implemented yet.
#include "nic/NicCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicStatsGet::NicStatsGet() {}

std::shared_ptr<NicStatsGet> NicStatsGet::New() { return std::shared_ptr<NicStatsGet>(new NicStatsGet()); }

NicStatsGet::~NicStatsGet() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> NicStatsGet::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("NicStatsGet");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> NicStatsGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicStatsGet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicStatsGet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                 const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
