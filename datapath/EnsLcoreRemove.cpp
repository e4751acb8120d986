// network ens lcore remove: destroys an ENS context.
#include "datapath/DatapathCommands.h"
#include "datapath/DatapathShared.h"
#include "frame/CommandFrame.h"
#include "kavrel/NetworkFactory.h"

namespace NorvaleCli {
namespace NetworkNamespace {

EnsLcoreRemove::EnsLcoreRemove() { SetDescription("Destroy ENS context."); }

std::shared_ptr<EnsLcoreRemove> EnsLcoreRemove::New() { return std::make_shared<EnsLcoreRemove>(); }

EnsLcoreRemove::~EnsLcoreRemove() = default;

InputSpecPtr EnsLcoreRemove::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kLcoreIdParameter, Parvik::CallSpec::PARAM_INTEGER, "l", "ENS context id to be destroyed.",
                 true);
    return spec;
}

OutputSpecPtr EnsLcoreRemove::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void EnsLcoreRemove::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        auto network = Kavrel::Network::NetworkFactory::GetNetworkInfo();
        network->DestroyEnsLcore(input->GetParameterInt(kLcoreIdParameter));
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
