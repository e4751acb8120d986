// network nic attachment list: the branch uplinks attached to each trunk, with their MAC and VLAN ID.
#include <vector>

#include "kavrel/NetworkFactory.h"
#include "lmxctl/PnicImpl.h"
#include "nic/NicDiagnosticCommands.h"
#include "nic/NicQueueShared.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "AttachmentInfo";
constexpr char kTrunkField[] = "Trunk";
constexpr char kBranchField[] = "Branch";
constexpr char kBranchMacField[] = "Branch MAC";
constexpr char kVlanIdField[] = "VLAN ID";
constexpr char kTrunkParameter[] = "trunk";
}  // namespace

NicAttachmentList::NicAttachmentList() {
    SetDescription("Show uplink attachment information.");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:AttachmentInfo", "Trunk,Branch,Branch MAC,VLAN ID");
}

std::shared_ptr<NicAttachmentList> NicAttachmentList::New() { return std::make_shared<NicAttachmentList>(); }

NicAttachmentList::~NicAttachmentList() = default;

RecordPtr NicAttachmentList::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .String(kTrunkField)
        .String(kBranchField)
        .String(kBranchMacField)
        .Int(kVlanIdField);
}

InputSpecPtr NicAttachmentList::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kTrunkParameter, Parvik::CallSpec::PARAM_STRING, "t",
                 "Show information only for the specified NIC.", false);
    return spec;
}

OutputSpecPtr NicAttachmentList::GetOutputSpecInternal() {
    return MakeOutputSpec(MakeRecordList(GetOutputStructure()));
}

void NicAttachmentList::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithPrefixedErrors(output, "Unable to list uplink's attachment info: ", [&] {
        auto inventory = Kavrel::Network::NetworkFactory::GetNetworkInfo();
        std::vector<std::unique_ptr<Kavrel::Network::Pnic>> pnics;
        if (!SelectPnics(*inventory, input, output, kTrunkParameter, "Invalid PNIC name ", "", pnics)) return;
        auto list = MakeRecordList(GetOutputStructure());
        for (const auto& pnic : pnics) {
            for (const auto& attachment : pnic->GetAttachments()) {
                LmxCtl::Network::PnicImpl branch(attachment.branch);
                if (branch.IsStale()) branch.Refresh();
                auto record = GetOutputStructure();
                record->SetField(kTrunkField, pnic->GetName());
                record->SetField(kBranchField, attachment.branch);
                record->SetField(kBranchMacField, branch.GetMacAddress().GetStringAddress());
                record->SetField(kVlanIdField, static_cast<int64_t>(attachment.vlanId));
                list->Add(record);
            }
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
