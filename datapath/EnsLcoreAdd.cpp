// network ens lcore add: creates an ENS context.
#include "datapath/DatapathCommands.h"
#include "datapath/DatapathShared.h"
#include "frame/CommandFrame.h"
#include "kavrel/NetworkFactory.h"

namespace NorvaleCli {
namespace NetworkNamespace {

EnsLcoreAdd::EnsLcoreAdd() { SetDescription("Create ENS context."); }

std::shared_ptr<EnsLcoreAdd> EnsLcoreAdd::New() { return std::make_shared<EnsLcoreAdd>(); }

EnsLcoreAdd::~EnsLcoreAdd() = default;

InputSpecPtr EnsLcoreAdd::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kLcoreIdParameter, Parvik::CallSpec::PARAM_INTEGER, "l", "ENS context id to be created.", true);
    return spec;
}

OutputSpecPtr EnsLcoreAdd::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void EnsLcoreAdd::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        auto network = Kavrel::Network::NetworkFactory::GetNetworkInfo();
        network->CreateEnsLcore(input->GetParameterInt(kLcoreIdParameter));
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
