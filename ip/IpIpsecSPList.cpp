// network ip ipsec sp list: the security policies; those whose SA was deleted are starred.
#include "frame/CommandFrame.h"
#include "ip/StackCommands.h"
#include "ip/StackShared.h"
#include "lmxctl/IpStack.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "SecurityPolicy";
constexpr char kNameField[] = "Name";
constexpr char kSourceField[] = "Source Address";
constexpr char kSourcePortField[] = "Source Port";
constexpr char kDestinationField[] = "Destination Address";
constexpr char kDestinationPortField[] = "Destination Port";
constexpr char kProtocolField[] = "Protocol";
constexpr char kFlowField[] = "Flow";
constexpr char kActionField[] = "Action";
constexpr char kModeField[] = "Mode";
constexpr char kSaNameField[] = "SA Name";
}  // namespace

IpIpsecSPList::IpIpsecSPList() {
    SetDescription("List configured Security Policys");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:SecurityPolicy",
                              "Name,Source Address,Source Port,Destination Address,Destination "
                              "Port,Protocol,Flow,Action,Mode,SA Name");
}

std::shared_ptr<IpIpsecSPList> IpIpsecSPList::New() { return std::shared_ptr<IpIpsecSPList>(new IpIpsecSPList()); }

IpIpsecSPList::~IpIpsecSPList() = default;

RecordPtr IpIpsecSPList::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .String(kNameField)
        .String(kSourceField)
        .Int(kSourcePortField)
        .String(kDestinationField)
        .Int(kDestinationPortField)
        .String(kProtocolField)
        .String(kFlowField)
        .String(kActionField)
        .String(kModeField)
        .String(kSaNameField);
}

InputSpecPtr IpIpsecSPList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

OutputSpecPtr IpIpsecSPList::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void IpIpsecSPList::ExecuteInternal(const InputPtr&, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        LmxCtl::Network::IpSecConfigImpl ipsec;
        std::vector<Kavrel::Network::IpSecSpdParam> sps;
        ipsec.GetSPDConfigList(sps);
        auto list = MakeRecordList(GetOutputStructure());
        bool starred = false;
        for (const auto& sp : sps) {
            auto record = GetOutputStructure();
            std::string name = sp.name;
            if (sp.saName == "UNKNOWN") {
                name += "*";
                starred = true;
            }
            record->SetField(kNameField, name);
            record->SetField(kSourceField,
                             sp.sourceAddress.GetStringAddress() + "/" + std::to_string(sp.sourcePrefixLength));
            record->SetField(kSourcePortField, sp.sourcePort);
            record->SetField(kDestinationField, sp.destinationAddress.GetStringAddress() + "/" +
                                                    std::to_string(sp.destinationPrefixLength));
            record->SetField(kDestinationPortField, sp.destinationPort);
            record->SetField(kProtocolField, sp.protocolText);
            record->SetField(kFlowField, sp.directionText);
            record->SetField(kActionField, sp.actionText);
            record->SetField(kModeField, sp.modeText);
            record->SetField(kSaNameField, sp.saName);
            list->Add(record);
        }
        if (starred) {
            output->AddErrorMessage(
                "*Some SPs with unique but deleted SAs were found. Please remove these SPs as they cannot be used "
                "anymore.");
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
