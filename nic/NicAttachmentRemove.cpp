// network nic attachment remove: detaches a branch uplink from its trunk.
#include "lmxctl/NetworkInfoImpl.h"
#include "nic/NicDiagnosticCommands.h"
#include "nic/NicQueueShared.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kTrunkParameter[] = "trunk";
constexpr char kBranchParameter[] = "branch";
}  // namespace

NicAttachmentRemove::NicAttachmentRemove() { SetDescription("Detach a branch uplink from its trunk."); }

std::shared_ptr<NicAttachmentRemove> NicAttachmentRemove::New() { return std::make_shared<NicAttachmentRemove>(); }

NicAttachmentRemove::~NicAttachmentRemove() = default;

InputSpecPtr NicAttachmentRemove::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kTrunkParameter, Parvik::CallSpec::PARAM_STRING, "t", "The name of the trunk uplink.", true);
    AddParameter(spec, kBranchParameter, Parvik::CallSpec::PARAM_STRING, "b", "The name of the branch uplink.", true);
    return spec;
}

OutputSpecPtr NicAttachmentRemove::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void NicAttachmentRemove::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    const std::string& trunk = input->GetParameter(kTrunkParameter);
    const std::string& branch = input->GetParameter(kBranchParameter);
    WithPrefixedErrors(output, "Failed to detach uplink " + branch + " from " + trunk + ": ", [&] {
        LmxCtl::Network::NetworkInfoImpl inventory;
        auto trunkPnic = FindNic(inventory, trunk, output, InvalidPnicNameMessage(trunk));
        if (!trunkPnic) return;
        // The branch is not looked up: the trunk refuses a branch it does not carry.
        trunkPnic->DetachBranch(branch);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
