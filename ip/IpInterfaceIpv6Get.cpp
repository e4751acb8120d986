// network ip interface ipv6 get: IPv6 settings (not addresses) of Lumex interfaces.
#include "frame/CommandFrame.h"
#include "ip/InterfaceCommands.h"
#include "ip/InterfaceShared.h"
#include "ip/StackShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

namespace {
constexpr char kRecordName[] = "IPv6Interface";
constexpr char kNameField[] = "Name";
constexpr char kIpv6EnabledField[] = "IPv6 Enabled";
constexpr char kDhcpv6EnabledField[] = "DHCPv6 Enabled";
constexpr char kRouterAdvField[] = "Router Adv Enabled";
constexpr char kDhcpDnsField[] = "DHCP DNS";
constexpr char kGatewayField[] = "Gateway";
}  // namespace

IpInterfaceIpv6Get::IpInterfaceIpv6Get() {
    SetDescription(
        "Get IPv6 settings for Lumex network interfaces. This does not include the IPv6 addresses which can be found "
        "in the \"address list\" command.");
    SetDefaultOutputFormatter("table");
    SetDefaultOutputParameter("fields:IPv6Interface",
                              "Name,IPv6 Enabled,DHCPv6 Enabled,Router Adv Enabled,DHCP DNS,Gateway");
}

std::shared_ptr<IpInterfaceIpv6Get> IpInterfaceIpv6Get::New() {
    return std::shared_ptr<IpInterfaceIpv6Get>(new IpInterfaceIpv6Get());
}

IpInterfaceIpv6Get::~IpInterfaceIpv6Get() = default;

RecordPtr IpInterfaceIpv6Get::GetOutputStructure() {
    return RecordTemplate(kRecordName)
        .String(kNameField)
        .Bool(kIpv6EnabledField)
        .Bool(kDhcpv6EnabledField)
        .Bool(kRouterAdvField)
        .Bool(kDhcpDnsField)
        .String(kGatewayField);
}

InputSpecPtr IpInterfaceIpv6Get::GetInputSpecInternal() {
    using Parvik::CallSpec::PARAM_STRING;
    auto spec = Parvik::CallSpec::InputSpec::New();
    AddParameter(spec, kInterfaceNameParameter, PARAM_STRING, "n",
                 "The name of the Lumex network interface to limit the output of this command to.", false);
    AddParameter(spec, kNetstackParameter, PARAM_STRING, "N",
                 "The network stack instance; if unspecified, consider all netstack instances", false);
    AddParameter(spec, kTypeParameter, PARAM_STRING, "t",
                 "List IPv6 information of Lumex network interface with given type(e.g. system).", false);
    return spec;
}

OutputSpecPtr IpInterfaceIpv6Get::GetOutputSpecInternal() {
    return MakeOutputSpec(MakeRecordList(GetOutputStructure()));
}

void IpInterfaceIpv6Get::ExecuteInternal(const InputPtr& input, const OutputPtr& output) {
    WithPrefixedErrors(output, "Error getting IPv6 configuration. . Error was : ", [&] {
        std::string netstack = ParameterOr(input, kNetstackParameter);
        std::vector<LmxNicPtr> nics;
        if (!SelectInterfaces(input, output, netstack, nics)) return;
        auto list = MakeRecordList(GetOutputStructure());
        for (const auto& nic : nics) {
            auto live = nic->GetIpConfig();
            auto record = GetOutputStructure();
            record->SetField(kNameField, nic->GetInterfaceName());
            record->SetField(kIpv6EnabledField, live.GetUseIpv6());
            record->SetField(kDhcpv6EnabledField, live.GetUseIpv6Dhcp());
            record->SetField(kRouterAdvField, live.GetUseIpv6RouterAdvertised());
            bool automatic = live.GetUseIpv6Dhcp() || live.GetUseIpv6RouterAdvertised();
            record->SetField(kDhcpDnsField, automatic && nic->GetConfiguredIpConfig().GetIpv6DhcpDns());
            record->SetField(kGatewayField, live.GetIpv6Gateway().GetStringAddress());
            list->Add(record);
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
