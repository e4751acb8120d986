// network nic sg set: turn scatter-gather of a NIC on or off (not persistent).
#include "nic/NicCommands.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicSgSet::NicSgSet() { SetDescription("Set scatter-gatter settings on a nic, which is not persistent."); }

std::shared_ptr<NicSgSet> NicSgSet::New() { return std::shared_ptr<NicSgSet>(new NicSgSet()); }

NicSgSet::~NicSgSet() = default;

InputSpecPtr NicSgSet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPnicParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "Name of pnic to configure scatter-gather settings.", true);
    AddParameter(spec, "enable", Parvik::CallSpec::PARAM_INTEGER, "e", "Enable/disable sacatter-gather", true,
                 IntRange(0, 1));
    return spec;
}

OutputSpecPtr NicSgSet::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void NicSgSet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    SetOffloadSettings(input, output, Kavrel::Network::PnicOffloadSettings::SG);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
