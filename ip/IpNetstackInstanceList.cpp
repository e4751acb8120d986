// network ip netstack list: every netstack instance the host knows, with its state.
#include "frame/CommandFrame.h"
#include "ip/StackCommands.h"
#include "ip/StackShared.h"
#include "lmxctl/NetworkInfoImpl.h"

namespace NorvaleCli {
namespace NetworkNamespace {

IpNetstackInstanceList::IpNetstackInstanceList() {
    SetDescription("This command will list the Lumex Netstack instances currently known to the system.");
    SetDefaultOutputFormatter("simple");
    SetDefaultOutputParameter("header:NetstackInstance", "%Key%");
    SetDefaultOutputParameter("fields:NetstackInstance", "Key,Name,State");
}

std::shared_ptr<IpNetstackInstanceList> IpNetstackInstanceList::New() {
    return std::shared_ptr<IpNetstackInstanceList>(new IpNetstackInstanceList());
}

IpNetstackInstanceList::~IpNetstackInstanceList() = default;

RecordPtr IpNetstackInstanceList::GetOutputStructure() {
    return RecordTemplate(kNetstackRecordName)
        .String(kNetstackKeyField)
        .String(kNetstackNameField)
        .Int(kNetstackStateField);
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
            record->SetField(kNetstackKeyField, instance->GetKey());
            record->SetField(kNetstackNameField, instance->GetName());
            record->SetField(kNetstackStateField, instance->GetState());
            list->Add(record);
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
