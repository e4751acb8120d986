// network ens lcore affinity set: binds an ENS context to a NUMA node.
#include "datapath/DatapathCommands.h"
#include "datapath/DatapathShared.h"
#include "frame/CommandFrame.h"
#include "kavrel/NetworkFactory.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kAffinityParameter[] = "affinity";
}  // namespace

EnsLcoreAffinitySet::EnsLcoreAffinitySet() { SetDescription("Set affinity for given ENS context."); }

std::shared_ptr<EnsLcoreAffinitySet> EnsLcoreAffinitySet::New() { return std::make_shared<EnsLcoreAffinitySet>(); }

EnsLcoreAffinitySet::~EnsLcoreAffinitySet() = default;

InputSpecPtr EnsLcoreAffinitySet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kLcoreIdParameter, Parvik::CallSpec::PARAM_INTEGER, "l", "ENS context id.", true);
    AddParameter(spec, kAffinityParameter, Parvik::CallSpec::PARAM_INTEGER, "a", "Numa node affinity.", true);
    return spec;
}

OutputSpecPtr EnsLcoreAffinitySet::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void EnsLcoreAffinitySet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        auto network = Kavrel::Network::NetworkFactory::GetNetworkInfo();
        network->SetEnsLcoreAffinity(input->GetParameterInt(kAffinityParameter),
                                     input->GetParameterInt(kLcoreIdParameter));
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
