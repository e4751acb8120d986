// network ens lcore switch get: the switch an ENS context is associated with.
#include "datapath/DatapathCommands.h"
#include "datapath/DatapathShared.h"
#include "frame/CommandFrame.h"
#include "kavrel/NetworkFactory.h"

namespace NorvaleCli {
namespace NetworkNamespace {

EnsLcoreSwitchGet::EnsLcoreSwitchGet() {
    SetDescription("Get the switch associated with given ENS context.");
    SetDefaultOutputFormatter("simple");
}

std::shared_ptr<EnsLcoreSwitchGet> EnsLcoreSwitchGet::New() { return std::make_shared<EnsLcoreSwitchGet>(); }

EnsLcoreSwitchGet::~EnsLcoreSwitchGet() = default;

InputSpecPtr EnsLcoreSwitchGet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kLcoreIdParameter, Parvik::CallSpec::PARAM_INTEGER, "l", "ENS context id.", true);
    return spec;
}

OutputSpecPtr EnsLcoreSwitchGet::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaString::New()); }

void EnsLcoreSwitchGet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        auto network = Kavrel::Network::NetworkFactory::GetNetworkInfo();
        std::string name = network->GetEnsLcoreSwitch(input->GetParameterInt(kLcoreIdParameter));
        output->SetRootObject(Parvik::MetaObj::MetaString::New(name));
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
