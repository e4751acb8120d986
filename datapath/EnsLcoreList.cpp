// network ens lcore list: every ENS context with its switch and NUMA affinity.
#include "datapath/DatapathCommands.h"
#include "datapath/DatapathShared.h"
#include "frame/CommandFrame.h"
#include "kavrel/NetworkFactory.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "Ens";
constexpr char kLcoreIdField[] = "Lcore ID";
constexpr char kSwitchField[] = "Switch";
constexpr char kAffinityField[] = "Affinity";
}  // namespace

EnsLcoreList::EnsLcoreList() {
    SetDescription("List ENS contexts.");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:Ens", "Lcore ID,Switch,Affinity");
}

std::shared_ptr<EnsLcoreList> EnsLcoreList::New() { return std::make_shared<EnsLcoreList>(); }

EnsLcoreList::~EnsLcoreList() = default;

RecordPtr EnsLcoreList::GetOutputStructure() {
    return RecordTemplate(kRecordName).Int(kLcoreIdField).String(kSwitchField).Int(kAffinityField);
}

InputSpecPtr EnsLcoreList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

OutputSpecPtr EnsLcoreList::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void EnsLcoreList::ExecuteInternal(const InputPtr&, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        auto network = Kavrel::Network::NetworkFactory::GetNetworkInfo();
        auto list = MakeRecordList(GetOutputStructure());
        for (int64_t lcore : network->GetEnsLcores()) {
            auto record = GetOutputStructure();
            record->SetField(kLcoreIdField, lcore);
            record->SetField(kSwitchField, network->GetEnsLcoreSwitch(lcore));
            record->SetField(kAffinityField, network->GetEnsLcoreAffinity(lcore));
            list->Add(record);
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
