// network ens lcore affinity get: the NUMA node an ENS context is bound to.
#include "datapath/DatapathCommands.h"
#include "datapath/DatapathShared.h"
#include "frame/CommandFrame.h"
#include "kavrel/NetworkFactory.h"

namespace NorvaleCli {
namespace NetworkNamespace {

EnsLcoreAffinityGet::EnsLcoreAffinityGet() {
    SetDescription("Get the affinity for given ENS context.");
    SetDefaultOutputFormatter("simple");
}

std::shared_ptr<EnsLcoreAffinityGet> EnsLcoreAffinityGet::New() { return std::make_shared<EnsLcoreAffinityGet>(); }

EnsLcoreAffinityGet::~EnsLcoreAffinityGet() = default;

InputSpecPtr EnsLcoreAffinityGet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kLcoreIdParameter, Parvik::CallSpec::PARAM_INTEGER, "l", "ENS context id.", true);
    return spec;
}

OutputSpecPtr EnsLcoreAffinityGet::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaInt::New()); }

void EnsLcoreAffinityGet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        auto network = Kavrel::Network::NetworkFactory::GetNetworkInfo();
        int64_t affinity = network->GetEnsLcoreAffinity(input->GetParameterInt(kLcoreIdParameter));
        output->SetRootObject(Parvik::MetaObj::MetaInt::New(affinity));
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
