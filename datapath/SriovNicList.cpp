// network sriovnic list: the SR-IOV capable NICs (physical functions) of the host.
#include "datapath/DatapathCommands.h"
#include "frame/CommandFrame.h"
#include "lmxctl/NetworkInfoImpl.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "SriovNic";
constexpr char kNameField[] = "Name";
constexpr char kPciField[] = "PCI Device";
constexpr char kDriverField[] = "Driver";
constexpr char kLinkField[] = "Link";
constexpr char kSpeedField[] = "Speed";
constexpr char kDuplexField[] = "Duplex";
constexpr char kMacField[] = "MAC Address";
constexpr char kMtuField[] = "MTU";
constexpr char kDescriptionField[] = "Description";
constexpr char kNoPciDevice[] = "Pseudo";
constexpr char kUnknownName[] = "Unknown";
const uint32_t kFullDuplex = 1;
}  // namespace

SriovNicList::SriovNicList() {
    SetDescription("This command will list the SRIOV Enabled NICs (PFs) currently installed and loaded on the system.");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:SriovNic",
                              "Name,PCI Device,Driver,Link,Speed,Duplex,MAC Address,MTU,Description");
}

std::shared_ptr<SriovNicList> SriovNicList::New() { return std::shared_ptr<SriovNicList>(new SriovNicList()); }

SriovNicList::~SriovNicList() = default;

RecordPtr SriovNicList::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .String(kNameField)
        .String(kPciField)
        .String(kDriverField)
        .String(kLinkField)
        .Int(kSpeedField)
        .String(kDuplexField)
        .String(kMacField)
        .Int(kMtuField)
        .String(kDescriptionField);
}

InputSpecPtr SriovNicList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

OutputSpecPtr SriovNicList::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void SriovNicList::ExecuteInternal(const InputPtr&, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        LmxCtl::Network::NetworkInfoImpl network;
        auto list = MakeRecordList(GetOutputStructure());
        for (const auto& nic : network.GetSriovNics()) {
            if (!nic) continue;
            auto pci = nic->GetPciDevice();
            std::string vendor = pci ? pci->GetVendorName() : kUnknownName;
            std::string device = pci ? pci->GetDeviceName() : kUnknownName;
            auto record = GetOutputStructure();
            record->SetField(kNameField, nic->GetName());
            record->SetField(kPciField, pci ? pci->GetAddress() : kNoPciDevice);
            record->SetField(kDriverField, nic->GetDriverName());
            record->SetField(kLinkField, nic->GetLinkStatus() ? "Up" : "Down");
            record->SetField(kSpeedField, static_cast<int64_t>(nic->GetSpeed()));
            record->SetField(kDuplexField, nic->GetDuplex() == kFullDuplex ? "Full" : "Half");
            record->SetField(kMacField, nic->GetMacAddress().GetStringAddress());
            record->SetField(kMtuField, static_cast<int64_t>(nic->GetMtu()));
            record->SetField(kDescriptionField, vendor + " " + device);
            list->Add(record);
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
