// nic self test run: not implemented yet.
#include "nic/NicDiagnosticCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicSelfTestRun::NicSelfTestRun() {}

std::shared_ptr<NicSelfTestRun> NicSelfTestRun::New() { return std::shared_ptr<NicSelfTestRun>(new NicSelfTestRun()); }

NicSelfTestRun::~NicSelfTestRun() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> NicSelfTestRun::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("NicSelfTestRun");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> NicSelfTestRun::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> NicSelfTestRun::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void NicSelfTestRun::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                    const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
