// network ip interface ipv6 address list: every IPv6 address of the Lumex interfaces with its kind and state.
#include "frame/CommandFrame.h"
#include "ip/InterfaceCommands.h"
#include "ip/InterfaceShared.h"
#include "ip/StackShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "IPv6Interface";
constexpr char kInterfaceField[] = "Interface";
constexpr char kAddressField[] = "Address";
constexpr char kNetmaskField[] = "Netmask";
constexpr char kTypeField[] = "Type";
constexpr char kStatusField[] = "Status";

std::string AddressTypeName(int type) {
    switch (type) {
    case 0: return "STATIC";
    case 7: return "AUTOCONF";
    case 9: return "DHCP";
    default: return "";
    }
}

std::string AddressStatusName(int status) {
    switch (status) {
    case 2: return "TENTATIVE";
    case 3: return "DUPLICATED";
    case 5: return "DEPRECATED";
    default: return "PREFERRED";
    }
}
}  // namespace

IpInterfaceIpv6AddressList::IpInterfaceIpv6AddressList() {
    SetDescription("This command will list all of the IPv6 addresses currently assigned to the system");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:IPv6Interface", "Interface,Address,Netmask,Type,Status");
}

std::shared_ptr<IpInterfaceIpv6AddressList> IpInterfaceIpv6AddressList::New() {
    return std::shared_ptr<IpInterfaceIpv6AddressList>(new IpInterfaceIpv6AddressList());
}

IpInterfaceIpv6AddressList::~IpInterfaceIpv6AddressList() = default;

RecordPtr IpInterfaceIpv6AddressList::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .String(kInterfaceField)
        .String(kAddressField)
        .Int(kNetmaskField)
        .String(kTypeField)
        .String(kStatusField);
}

InputSpecPtr IpInterfaceIpv6AddressList::GetInputSpecInternal() {
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kInterfaceNameParameter, Parvik::CallSpec::PARAM_STRING, "i",
                 "The name of the Lumex network interface to limit the output of this command to.", false);
    AddParameter(spec, kTypeParameter, Parvik::CallSpec::PARAM_STRING, "t",
                 "List IPv6 addresses of Lumex network interface with given type(e.g. system).", false);
    return spec;
}

OutputSpecPtr IpInterfaceIpv6AddressList::GetOutputSpecInternal() {
    return MakeOutputSpec(MakeRecordList(GetOutputStructure()));
}

void IpInterfaceIpv6AddressList::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithPrefixedErrors(output, "Unable to list IPv6 Addresses. Error was: ", [&] {
        std::vector<LmxNicPtr> nics;
        if (!SelectInterfaces(input, output, "", nics)) return;
        auto list = MakeRecordList(GetOutputStructure());
        for (const auto& nic : nics) {
            auto config = nic->GetIpConfig();
            for (const auto& network : config.GetIpv6Network()) {
                auto record = GetOutputStructure();
                record->SetField(kInterfaceField, nic->GetInterfaceName());
                record->SetField(kAddressField, network.GetAddress().GetStringAddress());
                record->SetField(kNetmaskField, int64_t(network.GetNetmask()));
                record->SetField(kTypeField, AddressTypeName(network.GetIpv6AddressType()));
                record->SetField(kStatusField, AddressStatusName(network.GetIpv6AddressStatus()));
                list->Add(record);
            }
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
