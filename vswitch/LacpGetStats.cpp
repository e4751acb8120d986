// lacp get stats: not implemented yet.
#include "vswitch/VswitchCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

LacpGetStats::LacpGetStats() {}

std::shared_ptr<LacpGetStats> LacpGetStats::New() { return std::shared_ptr<LacpGetStats>(new LacpGetStats()); }

LacpGetStats::~LacpGetStats() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> LacpGetStats::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("LacpGetStats");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> LacpGetStats::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> LacpGetStats::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void LacpGetStats::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                  const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
