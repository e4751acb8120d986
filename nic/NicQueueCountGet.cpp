// nic queue count get: not implemented yet.
#include "nic/NicDiagnosticCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicQueueCountGet::NicQueueCountGet() {}

std::shared_ptr<NicQueueCountGet> NicQueueCountGet::New() { return std::shared_ptr<NicQueueCountGet>(new NicQueueCountGet()); }

NicQueueCountGet::~NicQueueCountGet() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> NicQueueCountGet::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("NicQueueCountGet");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> NicQueueCountGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicQueueCountGet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicQueueCountGet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                      const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
