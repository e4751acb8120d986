// network nic software list: the offloads the kernel simulates in software, per NIC.
#include "kavrel/NetworkFactory.h"
#include "nic/NicCommands.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
using Software = Kavrel::Network::PnicSoftwareSettings;

constexpr char kRecordName[] = "Settings";

// Columns in display order: Geneve is shown after VXLAN although the record keeps it last.
const struct {
    const char* field;
    bool Software::*value;
} kColumns[] = {
    {"IPv4 CSO", &Software::ipv4Cso},
    {"IPv4 TSO", &Software::ipv4Tso},
    {"Scatter Gather", &Software::scatterGather},
    {"Offset Based Offload", &Software::offsetBasedOffload},
    {"VXLAN Encap", &Software::vxlanEncap},
    {"Geneve Offload", &Software::geneveOffload},
    {"IPv6 TSO", &Software::ipv6Tso},
    {"IPv6 TSO Ext", &Software::ipv6TsoExt},
    {"IPv6 CSO", &Software::ipv6Cso},
    {"IPv6 CSO Ext", &Software::ipv6CsoExt},
    {"High DMA", &Software::highDma},
    {"Scatter Gather MP", &Software::scatterGatherSpanPages},
    {"VLAN Tagging", &Software::vlanTagging},
    {"VLAN Untagging", &Software::vlanUntagging},
};
}  // namespace

NicSoftwareList::NicSoftwareList() {
    SetDescription("List software simulation settings of physical NICs currently installed and loaded on the system.");
    SetDefaultOutputFormatter("table");
    std::string fields = kNicField;
    for (const auto& column : kColumns) fields += "," + std::string(column.field);
    SetDefaultOutputParameter("fields:Settings", fields);
}

std::shared_ptr<NicSoftwareList> NicSoftwareList::New() {
    return std::shared_ptr<NicSoftwareList>(new NicSoftwareList());
}

NicSoftwareList::~NicSoftwareList() = default;

RecordPtr NicSoftwareList::GetOutputStructure() {
    RecordTemplate record(kRecordName);
    record.String(kNicField);
    for (const auto& column : kColumns) record.String(column.field);
    return record;
}

InputSpecPtr NicSoftwareList::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kPnicParameter, Parvik::CallSpec::PARAM_LIST, "n",
                 "Limit the output to only the physical NICS with the specified names.", false);
    return spec;
}

OutputSpecPtr NicSoftwareList::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void NicSoftwareList::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        auto inventory = Kavrel::Network::NetworkFactory::GetNetworkInfo();
        std::vector<std::unique_ptr<Kavrel::Network::Pnic>> pnics;
        if (!SelectPnicList(*inventory, input, output, kPnicParameter, pnics)) return;
        auto list = MakeRecordList(GetOutputStructure());
        for (const auto& pnic : pnics) {
            auto record = GetOutputStructure();
            record->SetField(kNicField, pnic->GetName());
            Software settings;
            pnic->GetSoftwareSettings(settings);
            for (const auto& column : kColumns) record->SetField(column.field, OnOff(settings.*column.value));
            list->Add(record);
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
