// network sriovnic vf list: the VFs of one SR-IOV NIC with their owners.
#include "datapath/DatapathCommands.h"
#include "frame/CommandFrame.h"
#include "lmxctl/NetworkInfoImpl.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kNicNameParameter[] = "nic-name";
constexpr char kRecordName[] = "VFList";
constexpr char kVfIdField[] = "VF ID";
constexpr char kActiveField[] = "Active";
constexpr char kPciField[] = "PCI Address";
constexpr char kOwnerField[] = "Owner World ID";
constexpr char kNoSuchNic[] = "There is no SRIOV Nic with name ";
}  // namespace

VfList::VfList() {
    SetDescription("Get the generic configuration of VFs for SRIOV NIC.");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:VFList", "VF ID,Active,PCI Address,Owner World ID");
}

std::shared_ptr<VfList> VfList::New() { return std::shared_ptr<VfList>(new VfList()); }

VfList::~VfList() = default;

InputSpecPtr VfList::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNicNameParameter, Parvik::CallSpec::PARAM_STRING, "n",
                 "The name of the SRIOV NIC to configured. This must be one of the cards listed in the sriovNic list "
                 "command.",
                 true);
    return spec;
}

OutputSpecPtr VfList::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

RecordPtr VfList::GetOutputStructure() {
    return RecordTemplate(kRecordName).Int(kVfIdField).Bool(kActiveField).String(kPciField).String(kOwnerField);
}

void VfList::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        const std::string& name = input->GetParameter(kNicNameParameter);
        LmxCtl::Network::NetworkInfoImpl network;
        if (!network.GetSriovNicByName(name)) {
            output->AddErrorMessage(kNoSuchNic + name);
            return;
        }
        auto list = MakeRecordList(GetOutputStructure());
        for (const auto& vf : network.GetSriovNicVFInfo(name)) {
            auto record = GetOutputStructure();
            record->SetField(kVfIdField, static_cast<int64_t>(vf.vfId));
            record->SetField(kActiveField, vf.active);
            record->SetField(kPciField, vf.pciAddress);
            record->SetField(kOwnerField, vf.ownerWorldId);
            list->Add(record);
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
