// network ip interface ipv4 get (also ipv4 address list): IPv4 settings of Lumex interfaces.
#include "frame/CommandFrame.h"
#include "ip/InterfaceCommands.h"
#include "ip/InterfaceShared.h"
#include "ip/StackShared.h"
#include "lmxctl/IpStack.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "IPv4Interface";
constexpr char kNameField[] = "Name";
constexpr char kAddressField[] = "IPv4 Address";
constexpr char kNetmaskField[] = "IPv4 Netmask";
constexpr char kBroadcastField[] = "IPv4 Broadcast";
constexpr char kAddressTypeField[] = "Address Type";
constexpr char kGatewayField[] = "Gateway";
constexpr char kDhcpDnsField[] = "DHCP DNS";
}  // namespace

IpInterfaceIpv4Get::IpInterfaceIpv4Get() {
    SetDescription("List the IPv4 addresses assigned to Lumex network interfaces.");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:IPv4Interface",
                              "Name,IPv4 Address,IPv4 Netmask,IPv4 Broadcast,Address Type,Gateway,DHCP DNS");
}

std::shared_ptr<IpInterfaceIpv4Get> IpInterfaceIpv4Get::New() {
    return std::shared_ptr<IpInterfaceIpv4Get>(new IpInterfaceIpv4Get());
}

IpInterfaceIpv4Get::~IpInterfaceIpv4Get() = default;

RecordPtr IpInterfaceIpv4Get::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .String(kNameField)
        .String(kAddressField)
        .String(kNetmaskField)
        .String(kBroadcastField)
        .String(kAddressTypeField)
        .String(kGatewayField)
        .Bool(kDhcpDnsField);
}

InputSpecPtr IpInterfaceIpv4Get::GetInputSpecInternal() {
    using Parvik::CallSpec::PARAM_STRING;
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kNetstackParameter, PARAM_STRING, "N",
                 "The network stack instance; if unspecified, consider all netstack instances", false);
    AddParameter(spec, kInterfaceNameParameter, PARAM_STRING, "i",
                 "The name of the Lumex network interface to limit the output of this command to.", false);
    AddParameter(spec, kTypeParameter, PARAM_STRING, "t",
                 "List IPv4 information of Lumex network interface with given type(e.g. system).", false);
    return spec;
}

OutputSpecPtr IpInterfaceIpv4Get::GetOutputSpecInternal() {
    return MakeOutputSpec(MakeRecordList(GetOutputStructure()));
}

void IpInterfaceIpv4Get::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithPrefixedErrors(output, "Error getting IPv4 configuration. . Error was : ", [&] {
        std::string netstack = ParameterOr(input, kNetstackParameter);
        std::vector<LmxNicPtr> nics;
        if (!SelectInterfaces(input, output, netstack, nics)) return;
        LmxCtl::Network::RoutingInfoImpl routing(kDefaultNetstack);
        auto list = MakeRecordList(GetOutputStructure());
        for (const auto& nic : nics) {
            auto live = nic->GetIpConfig();
            auto record = GetOutputStructure();
            record->SetField(kNameField, nic->GetInterfaceName());
            record->SetField(kAddressField, live.GetIpv4Address().GetStringAddress());
            record->SetField(kNetmaskField, live.GetIpv4Netmask().GetStringAddress());
            record->SetField(kBroadcastField, live.GetIpv4Broadcast().GetStringAddress());
            std::string type = live.GetUseDhcp() ? "DHCP" : live.GetIpv4UseNone() ? "NONE" : "STATIC";
            record->SetField(kAddressTypeField, type);
            auto gateway = live.GetIpv4Gateway();
            if (type == "STATIC" && gateway == Kavrel::Network::Ipv4Address("0.0.0.0")) {
                routing.SetNetstackInstanceKey(nic->GetNetstackInstanceKey());
                routing.Refresh();
                gateway = routing.GetLumexDefaultGateway();
            }
            record->SetField(kGatewayField, gateway.GetStringAddress());
            record->SetField(kDhcpDnsField, type == "DHCP" && nic->GetConfiguredIpConfig().GetDhcpDns());
            list->Add(record);
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
