// vf stats: not implemented yet.
#include "datapath/DatapathCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

VfStats::VfStats() {}

std::shared_ptr<VfStats> VfStats::New() { return std::shared_ptr<VfStats>(new VfStats()); }

VfStats::~VfStats() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> VfStats::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("VfStats");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> VfStats::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> VfStats::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void VfStats::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                             const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
