// network ens maxLcores set: sets the maximum number of ENS contexts.
#include "datapath/DatapathCommands.h"
#include "datapath/DatapathShared.h"
#include "frame/CommandFrame.h"
#include "kavrel/NetworkFactory.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kMaxLcoresParameter[] = "maxlcores";
}  // namespace

EnsMaxlcoresSet::EnsMaxlcoresSet() { SetDescription("Set the maximum number of ENS contexts."); }

std::shared_ptr<EnsMaxlcoresSet> EnsMaxlcoresSet::New() { return std::make_shared<EnsMaxlcoresSet>(); }

EnsMaxlcoresSet::~EnsMaxlcoresSet() = default;

InputSpecPtr EnsMaxlcoresSet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kMaxLcoresParameter, Parvik::CallSpec::PARAM_INTEGER, "n",
                 "Number of maximum ENS contexts to be assigned.", true);
    return spec;
}

OutputSpecPtr EnsMaxlcoresSet::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void EnsMaxlcoresSet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        auto network = Kavrel::Network::NetworkFactory::GetNetworkInfo();
        network->SetEnsMaxLcores(input->GetParameterInt(kMaxLcoresParameter));
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
