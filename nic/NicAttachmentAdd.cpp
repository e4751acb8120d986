// network nic attachment add: attaches a branch uplink to a trunk uplink under a VLAN ID.
#include "lmxctl/NetworkInfoImpl.h"
#include "nic/NicDiagnosticCommands.h"
#include "nic/NicQueueShared.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kTrunkParameter[] = "trunk";
constexpr char kBranchParameter[] = "branch";
constexpr char kVlanIdParameter[] = "vlan-id";
}  // namespace

NicAttachmentAdd::NicAttachmentAdd() {
    SetDescription("Attach one uplink as a branch to a trunk uplink with specified VLAN ID.");
}

std::shared_ptr<NicAttachmentAdd> NicAttachmentAdd::New() { return std::make_shared<NicAttachmentAdd>(); }

NicAttachmentAdd::~NicAttachmentAdd() = default;

InputSpecPtr NicAttachmentAdd::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kTrunkParameter, Parvik::CallSpec::PARAM_STRING, "t",
                 "The name of the NIC to be configured as trunk uplink.", true);
    AddParameter(spec, kBranchParameter, Parvik::CallSpec::PARAM_STRING, "b",
                 "The name of the NIC to be attached as branch uplink.", true);
    AddParameter(spec, kVlanIdParameter, Parvik::CallSpec::PARAM_INTEGER, "v",
                 "The vlan ID for the branch uplink. Valid values: %ENUM%", true,
                 IntRange(kAttachmentMinVlanId, kAttachmentMaxVlanId));
    return spec;
}

OutputSpecPtr NicAttachmentAdd::GetOutputSpecInternal() { return MakeOutputSpec(Parvik::MetaObj::MetaBool::New()); }

void NicAttachmentAdd::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    const std::string& trunk = input->GetParameter(kTrunkParameter);
    const std::string& branch = input->GetParameter(kBranchParameter);
    const auto vlanId = static_cast<int16_t>(input->GetParameterInt(kVlanIdParameter));
    if (trunk == branch) {
        output->AddErrorMessage("Trunk uplink and branch uplink need to be different.");
        return;
    }
    WithPrefixedErrors(output, "Failed to attach uplink " + branch + " to " + trunk + ": ", [&] {
        LmxCtl::Network::NetworkInfoImpl inventory;
        auto trunkPnic = FindNic(inventory, trunk, output, "Invalid trunk PNIC name " + trunk);
        if (!trunkPnic) return;
        if (!FindNic(inventory, branch, output, "Invalid branch PNIC name " + branch)) return;
        trunkPnic->AttachBranch(branch, vlanId);
        SetSuccess(output);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
