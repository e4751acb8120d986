// network nic tso set: turn TCP segmentation offload of a NIC on or off (not persistent).
#include "nic/NicCommands.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

NicTsoSet::NicTsoSet() { SetDescription("Set TCP segmentation offload settings on a nic, which is not persistent."); }

std::shared_ptr<NicTsoSet> NicTsoSet::New() { return std::shared_ptr<NicTsoSet>(new NicTsoSet()); }

NicTsoSet::~NicTsoSet() = default;

InputSpecPtr NicTsoSet::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPnicParameter, Parvik::CallSpec::PARAM_STRING, "n", "Name of pnic to set TSO settings.", true);
    AddParameter(spec, "enable", Parvik::CallSpec::PARAM_INTEGER, "e", "TCP segmentation offload", true,
                 IntRange(0, 1));
    return spec;
}

OutputSpecPtr NicTsoSet::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void NicTsoSet::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    SetOffloadSettings(input, output, Kavrel::Network::PnicOffloadSettings::TSO);
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
