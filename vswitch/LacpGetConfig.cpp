// lacp get config: not implemented yet.
#include "vswitch/VswitchCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

LacpGetConfig::LacpGetConfig() {}

std::shared_ptr<LacpGetConfig> LacpGetConfig::New() { return std::shared_ptr<LacpGetConfig>(new LacpGetConfig()); }

LacpGetConfig::~LacpGetConfig() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> LacpGetConfig::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("LacpGetConfig");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> LacpGetConfig::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> LacpGetConfig::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void LacpGetConfig::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                   const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
