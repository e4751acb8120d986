// port stats get: not implemented yet.
#include "datapath/DatapathCommands.h"

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

PortStatsGet::PortStatsGet() {}

std::shared_ptr<PortStatsGet> PortStatsGet::New() { return std::shared_ptr<PortStatsGet>(new PortStatsGet()); }

PortStatsGet::~PortStatsGet() = default;

std::shared_ptr<Parvik::MetaObj::MetaStruct> PortStatsGet::GetOutputStructure() {
    return Parvik::MetaObj::MetaStruct::New("PortStatsGet");
}

std::shared_ptr<Parvik::CallSpec::InputSpec> PortStatsGet::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

std::shared_ptr<Parvik::CallSpec::OutputSpec> PortStatsGet::GetOutputSpecInternal() {
    return MakeOutputSpec(Parvik::MetaObj::MetaBool::New());
}

void PortStatsGet::ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                                  const std::shared_ptr<Parvik::CallSpec::Output>& output) {
    output->AddErrorMessage(kNotImplementedMessage);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
