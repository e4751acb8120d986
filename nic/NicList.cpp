// network nic list: the loaded physical NICs with their device, driver and link.
#include <tuple>

#include "kavrel/NetworkFactory.h"
#include "nic/NicCommands.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "Nic";
constexpr char kNameField[] = "Name";
constexpr char kPciDeviceField[] = "PCI Device";
constexpr char kDriverField[] = "Driver";
constexpr char kLinkField[] = "Link";
constexpr char kAdminStatusField[] = "Admin Status";
constexpr char kLinkStatusField[] = "Link Status";
constexpr char kSpeedField[] = "Speed";
constexpr char kDuplexField[] = "Duplex";
constexpr char kMacAddressField[] = "MAC Address";
constexpr char kMtuField[] = "MTU";
constexpr char kDescriptionField[] = "Description";
constexpr char kDpuIdField[] = "DPU Id";
constexpr char kListFailedPrefix[] = "Unable to list NICs.  Error was ";

const char* UpDown(bool up) { return up ? "Up" : "Down"; }
}  // namespace

NicList::NicList() {
    SetDescription("This command will list the Physical NICs currently installed and loaded on the system.");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter(
        "fields:Nic", "Name,PCI Device,Driver,Admin Status,Link Status,Speed,Duplex,MAC Address,MTU,Description");
}

std::shared_ptr<NicList> NicList::New() { return std::shared_ptr<NicList>(new NicList()); }

NicList::~NicList() = default;

RecordPtr NicList::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .String(kNameField)
        .String(kPciDeviceField)
        .String(kDriverField)
        .String(kLinkField)
        .String(kAdminStatusField)
        .String(kLinkStatusField)
        .Int(kSpeedField)
        .String(kDuplexField)
        .String(kMacAddressField)
        .Int(kMtuField)
        .String(kDescriptionField)
        .String(kDpuIdField);
}

InputSpecPtr NicList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

OutputSpecPtr NicList::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void NicList::ExecuteInternal(const InputPtr&, const OutputPtr& output) {
    WithPrefixedErrors(output, kListFailedPrefix, [&] {
        auto list = MakeRecordList(GetOutputStructure());
        auto inventory = Kavrel::Network::NetworkFactory::GetNetworkInfo();
        for (const auto& pnic : inventory->GetPnics(Kavrel::Network::PNIC_GET_LOADED)) {
            if (!pnic) continue;
            auto record = GetOutputStructure();
            record->SetField(kNameField, pnic->GetName());
            std::string vendor;
            std::string device;
            if (auto pci = pnic->GetPciDevice()) {
                record->SetField(kPciDeviceField, pci->GetAddress());
                vendor = pci->GetVendorName();
                device = pci->GetDeviceName();
            } else {
                record->SetField(kPciDeviceField, "Pseudo");
                std::tie(vendor, device) = PseudoNicNames(pnic->GetDeviceDescription());
            }
            record->SetField(kDriverField, pnic->GetDriverName());
            record->SetField(kLinkField, UpDown(pnic->IsLinkUp()));
            record->SetField(kAdminStatusField, UpDown(pnic->GetAdminStatus()));
            record->SetField(kLinkStatusField, UpDown(pnic->GetLinkStatus()));
            record->SetField(kSpeedField, pnic->GetSpeed());
            record->SetField(kDuplexField, pnic->GetDuplex() == 1 ? "Full" : "Half");
            record->SetField(kMacAddressField, pnic->GetMacAddress().GetStringAddress());
            record->SetField(kMtuField, pnic->GetMtu());
            record->SetField(kDescriptionField, vendor + " " + device);
            record->SetField(kDpuIdField, "N/A");
            list->Add(record);
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
