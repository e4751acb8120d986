// network ip hosts list: the user entries of the host's static name table.
#include "frame/CommandFrame.h"
#include "ip/StackCommands.h"
#include "lmxctl/IpStack.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "IpHostList";
constexpr char kIpField[] = "IP address";
constexpr char kHostNameField[] = "HostName";
constexpr char kAliasesField[] = "Aliases";
constexpr char kCommentField[] = "Comment";
}  // namespace

IpHostsList::IpHostsList() {
    SetDescription("List the user specified associations of IP addresses with host names.");
    SetDefaultOutputFormatter("simple");
    SetDefaultOutputParameter("fields:IpHostList", "IP address,HostName,Aliases,Comment");
}

std::shared_ptr<IpHostsList> IpHostsList::New() { return std::make_shared<IpHostsList>(); }

IpHostsList::~IpHostsList() = default;

RecordPtr IpHostsList::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .String(kIpField)
        .String(kHostNameField)
        .StringList(kAliasesField)
        .String(kCommentField);
}

InputSpecPtr IpHostsList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

OutputSpecPtr IpHostsList::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void IpHostsList::ExecuteInternal(const InputPtr&, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        auto list = MakeRecordList(GetOutputStructure());
        LmxCtl::Network::HostsFile hosts;
        auto entries = hosts.GetEntriesFromConfig();
        list->Reserve(entries.size());
        for (const auto& entry : entries) {
            auto record = GetOutputStructure();
            record->SetField(kIpField, entry->GetIpAddress());
            record->SetField(kHostNameField, entry->GetHostName());
            record->SetField(kAliasesField, entry->GetAliases());
            record->SetField(kCommentField, entry->GetComment());
            list->Add(record);
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
