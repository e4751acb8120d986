// network ens lcore switch remove: dissociates an ENS context from its switch.
#include "datapath/DatapathCommands.h"
#include "datapath/DatapathShared.h"
#include "frame/CommandFrame.h"
#include "kavrel/NetworkFactory.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kNoSwitchName[] = "null";
}  // namespace

EnsLcoreSwitchRemove::EnsLcoreSwitchRemove() { SetDescription("Disassociate given ENS context from virtual switch."); }

std::shared_ptr<EnsLcoreSwitchRemove> EnsLcoreSwitchRemove::New() { return std::make_shared<EnsLcoreSwitchRemove>(); }

EnsLcoreSwitchRemove::~EnsLcoreSwitchRemove() = default;

InputSpecPtr EnsLcoreSwitchRemove::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kLcoreIdParameter, Parvik::CallSpec::PARAM_INTEGER, "l", "ENS context id.", true);
    return spec;
}

OutputSpecPtr EnsLcoreSwitchRemove::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void EnsLcoreSwitchRemove::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        auto network = Kavrel::Network::NetworkFactory::GetNetworkInfo();
        // Associating with "null" leaves the context without a switch.
        network->SetEnsLcoreSwitch(kNoSwitchName, input->GetParameterInt(kLcoreIdParameter));
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
