// lacp get status: not implemented yet.
#include "vswitch/VswitchCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

LacpGetStatus::LacpGetStatus() {}

std::shared_ptr<LacpGetStatus> LacpGetStatus::New() { return std::shared_ptr<LacpGetStatus>(new LacpGetStatus()); }

LacpGetStatus::~LacpGetStatus() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> LacpGetStatus::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("LacpGetStatus");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> LacpGetStatus::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> LacpGetStatus::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void LacpGetStatus::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                   const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
