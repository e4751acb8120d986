// port filter stats get: not implemented yet.
#include "datapath/DatapathCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

PortFilterStatsGet::PortFilterStatsGet() {}

std::shared_ptr<PortFilterStatsGet> PortFilterStatsGet::New() { return std::shared_ptr<PortFilterStatsGet>(new PortFilterStatsGet()); }

PortFilterStatsGet::~PortFilterStatsGet() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> PortFilterStatsGet::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("PortFilterStatsGet");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> PortFilterStatsGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> PortFilterStatsGet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void PortFilterStatsGet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                        const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
