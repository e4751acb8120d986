// network ens maxLcores get: the maximum number of ENS contexts.
#include "datapath/DatapathCommands.h"
#include "datapath/DatapathShared.h"
#include "frame/CommandFrame.h"
#include "kavrel/NetworkFactory.h"

namespace NorvaleCli {
namespace NetworkNamespace {

EnsMaxlcoresGet::EnsMaxlcoresGet() {
    SetDescription("Get the maximum number of ENS contexts (lcores).");
    SetDefaultOutputFormatter("simple");
}

std::shared_ptr<EnsMaxlcoresGet> EnsMaxlcoresGet::New() { return std::make_shared<EnsMaxlcoresGet>(); }

EnsMaxlcoresGet::~EnsMaxlcoresGet() = default;

InputSpecPtr EnsMaxlcoresGet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    return spec;
}

OutputSpecPtr EnsMaxlcoresGet::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaInt::New()); }

void EnsMaxlcoresGet::ExecuteInternal(const InputPtr&, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        auto network = Kavrel::Network::NetworkFactory::GetNetworkInfo();
        output->SetRootObject(Parvik::MetaObj::MetaInt::New(network->GetEnsMaxLcores()));
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
