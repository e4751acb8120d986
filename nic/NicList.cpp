// network nic list: the loaded physical NICs with their device, driver and link.
#include <tuple>

#include "kavrel/NetworkFactory.h"
#include "nic/NicCommands.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
const std::string kRecordName = "Nic";
const std::string kNameField = "Name";
const std::string kPciDeviceField = "PCI Device";
const std::string kDriverField = "Driver";
const std::string kLinkField = "Link";
const std::string kAdminStatusField = "Admin Status";
const std::string kLinkStatusField = "Link Status";
const std::string kSpeedField = "Speed";
const std::string kDuplexField = "Duplex";
const std::string kMacAddressField = "MAC Address";
const std::string kMtuField = "MTU";
const std::string kDescriptionField = "Description";
const std::string kDpuIdField = "DPU Id";
const std::string kListFailedPrefix = "Unable to list NICs.  Error was ";

const char* UpDown(bool up) { return up ? "Up" : "Down"; }
}  // namespace

NicList::NicList() {
    SetDescription("This command will list the Physical NICs currently installed and loaded on the system.");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter(
        "fields:" + kRecordName,
        "Name,PCI Device,Driver,Admin Status,Link Status,Speed,Duplex,MAC Address,MTU,Description");
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
