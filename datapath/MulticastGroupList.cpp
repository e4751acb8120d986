// network multicast group list: the multicast groups every interface has joined.
#include "datapath/DatapathCommands.h"
#include "frame/CommandFrame.h"
#include "kavrel/Host.h"
#include "kavrel/NetworkInfo.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "Nic";
constexpr char kInterfaceField[] = "Interface";
constexpr char kRefcountField[] = "Refcount";
constexpr char kGroupField[] = "Group";
constexpr char kLinkLayerField[] = "Link Layer";
}  // namespace

MulticastGroupList::MulticastGroupList() {
    SetDescription("List all the multicast group members.");
    SetDefaultOutputFormatter("table");
    // The documented default names the key "Interface", not the record "Nic": it
    // never applies, and the table shows every field of Nic in record order.
    SetDefaultOutputParameter("fields:Interface", "Interface,Refcount,Group,Link Layer");
}

std::shared_ptr<MulticastGroupList> MulticastGroupList::New() {
    return std::shared_ptr<MulticastGroupList>(new MulticastGroupList());
}

MulticastGroupList::~MulticastGroupList() = default;

RecordPtr MulticastGroupList::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .String(kInterfaceField)
        .Int(kRefcountField)
        .String(kGroupField)
        .String(kLinkLayerField);
}

InputSpecPtr MulticastGroupList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

OutputSpecPtr MulticastGroupList::GetOutputSpecInternal() {
    return MakeOutputSpec(MakeRecordList(GetOutputStructure()));
}

void MulticastGroupList::ExecuteInternal(const InputPtr&, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        auto host = Kavrel::HostFactory::GetHost();
        auto network = host->GetNetworkInfo();
        auto inventory = network->GetInterfaceInventory();
        auto list = MakeRecordList(GetOutputStructure());
        for (const auto& interface : inventory->GetInterfaces(Kavrel::Network::InterfaceInventory::INTERFACES_ALL)) {
            for (const auto& membership : interface->GetMulticastMemberships()) {
                auto record = GetOutputStructure();
                record->SetField(kInterfaceField, membership.interfaceName);
                record->SetField(kRefcountField, static_cast<int64_t>(membership.refcount));
                record->SetField(kGroupField, membership.group);
                record->SetField(kLinkLayerField, membership.linkLayer);
                list->Add(record);
            }
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
