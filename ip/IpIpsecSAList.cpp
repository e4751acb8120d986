// network ip ipsec sa list: the security associations with their SPIs and lifetimes.
#include <sstream>

#include "frame/CommandFrame.h"
#include "ip/StackCommands.h"
#include "ip/StackShared.h"
#include "lmxctl/IpStack.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "SecurityAssociation";
constexpr char kNameField[] = "Name";
constexpr char kSourceField[] = "Source Address";
constexpr char kDestinationField[] = "Destination Address";
constexpr char kStateField[] = "State";
constexpr char kSpiField[] = "SPI";
constexpr char kModeField[] = "Mode";
constexpr char kEncryptField[] = "Encryption Algorithm";
constexpr char kAuthField[] = "Integrity Algorithm";
constexpr char kLifetimeField[] = "Lifetime";
}  // namespace

IpIpsecSAList::IpIpsecSAList() {
    SetDescription("List configured Security Associations");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:SecurityAssociation",
                              "Name,Source Address,Destination Address,State,SPI,Mode,Encryption Algorithm,Integrity "
                              "Algorithm,Lifetime");
}

std::shared_ptr<IpIpsecSAList> IpIpsecSAList::New() { return std::shared_ptr<IpIpsecSAList>(new IpIpsecSAList()); }

IpIpsecSAList::~IpIpsecSAList() = default;

RecordPtr IpIpsecSAList::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .String(kNameField)
        .String(kSourceField)
        .String(kDestinationField)
        .String(kStateField)
        .String(kSpiField)
        .String(kModeField)
        .String(kEncryptField)
        .String(kAuthField)
        .String(kLifetimeField);
}

InputSpecPtr IpIpsecSAList::GetInputSpecInternal() { return Parvik::CallSpec::InputSpec::New(); }

OutputSpecPtr IpIpsecSAList::GetOutputSpecInternal() { return MakeOutputSpec(MakeRecordList(GetOutputStructure())); }

void IpIpsecSAList::ExecuteInternal(const InputPtr&, const OutputPtr& output) {
    WithStandardErrors(output, [&] {
        LmxCtl::Network::IpSecConfigImpl ipsec;
        std::vector<Kavrel::Network::IpSecSadParam> sas;
        ipsec.GetSADConfigList(sas);
        auto list = MakeRecordList(GetOutputStructure());
        for (const auto& sa : sas) {
            auto record = GetOutputStructure();
            std::ostringstream spi;
            spi << "0x" << std::hex << sa.spi;
            record->SetField(kNameField, sa.name);
            record->SetField(kSourceField, sa.source.GetStringAddress());
            record->SetField(kDestinationField, sa.destination.GetStringAddress());
            record->SetField(kStateField, sa.state);
            record->SetField(kSpiField, spi.str());
            record->SetField(kModeField, sa.modeText);
            record->SetField(kEncryptField, sa.encryptionAlgorithmText);
            record->SetField(kAuthField, sa.integrityAlgorithmText);
            record->SetField(kLifetimeField, ConvertToHrsMinsAndSecs(sa.lifetime));
            list->Add(record);
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
