// network ip netstack list: every netstack instance the host knows, with its state.
#include "frame/CommandFrame.h"
#include "ip/StackCommands.h"
#include "ip/StackShared.h"
#include "lmxctl/NetworkInfoImpl.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "NetstackInstance";
constexpr char kKeyField[] = "Key";
constexpr char kNameField[] = "Name";
constexpr char kStateField[] = "State";
}  // namespace

IpNetstackInstanceList::IpNetstackInstanceList() {
    SetDescription("This command will list the Lumex Netstack instances currently known to the system.");
    SetDefaultOutputFormatter("simple");
    SetDefaultOutputParameter("header:NetstackInstance", "%Key%");
    SetDefaultOutputParameter("fields:NetstackInstance", "Key,Name,State");
}

std::shared_ptr<IpNetstackInstanceList> IpNetstackInstanceList::New() {
    return OwnCommand(new IpNetstackInstanceList());
}

IpNetstackInstanceList::~IpNetstackInstanceList() = default;

RecordPtr IpNetstackInstanceList::GetOutputStructure() {
    return RecordTemplate(kRecordName).String(kKeyField).String(kNameField).Int(kStateField);
}

InputSpecPtr IpNetstackInstanceList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

OutputSpecPtr IpNetstackInstanceList::GetOutputSpecInternal() {
    return MakeOutputSpec(MakeRecordList(GetOutputStructure()));
}

void IpNetstackInstanceList::ExecuteInternal(const InputPtr&, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        LmxCtl::Network::NetworkInfoImpl network;
        auto list = MakeRecordList(GetOutputStructure());
        for (const auto& instance : network.ListNetstackInstances()) {
            auto record = GetOutputStructure();
            record->SetField(kKeyField, instance->GetKey());
            record->SetField(kNameField, instance->GetName());
            record->SetField(kStateField, instance->GetState());
            list->Add(record);
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
