// network ens lcore switch add: associates an ENS context with a switch.
#include "datapath/DatapathCommands.h"
#include "datapath/DatapathShared.h"
#include "frame/CommandFrame.h"
#include "kavrel/NetworkFactory.h"

namespace NorvaleCli {
namespace NetworkNamespace {

EnsLcoreSwitchAdd::EnsLcoreSwitchAdd() { SetDescription("Associate given ENS context with given switch."); }

std::shared_ptr<EnsLcoreSwitchAdd> EnsLcoreSwitchAdd::New() { return std::make_shared<EnsLcoreSwitchAdd>(); }

EnsLcoreSwitchAdd::~EnsLcoreSwitchAdd() = default;

InputSpecPtr EnsLcoreSwitchAdd::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kLcoreIdParameter, Parvik::CallSpec::PARAM_INTEGER, "l", "ENS context id.", true);
    AddParameter(spec, kSwitchParameter, Parvik::CallSpec::PARAM_STRING, "s", "Switch name.", true);
    return spec;
}

OutputSpecPtr EnsLcoreSwitchAdd::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void EnsLcoreSwitchAdd::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        auto network = Kavrel::Network::NetworkFactory::GetNetworkInfo();
        network->SetEnsLcoreSwitch(input->GetParameter(kSwitchParameter), input->GetParameterInt(kLcoreIdParameter));
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
