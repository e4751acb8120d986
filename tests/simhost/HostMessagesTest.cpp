// The host's own refusals that no command reaches (the commands check first,
// or never pass such a value): called through each module's API on the demo
// host, one table per module, each with its exact message.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <utility>

#include "core/SimHostTesting.h"
#include "kavrel/Address.h"
#include "kavrel/Datapath.h"
#include "kavrel/IpConfig.h"
#include "kavrel/Lib.h"
#include "kavrel/NetworkFactory.h"
#include "kavrel/NetworkInfo.h"
#include "kavrel/Pnic.h"
#include "kavrel/Policy.h"
#include "kavrel/Portset.h"
#include "kavrel/System.h"
#include "lmxctl/Datapath.h"
#include "lmxctl/DcbInfoImpl.h"
#include "lmxctl/IpStack.h"
#include "lmxctl/LumexNicInfoImpl.h"
#include "lmxctl/PnicImpl.h"
#include "lmxctl/System.h"
#include "lmxctl/VirtualSwitch.h"
#include "simhost/HostFailure.h"
#include "support/CaseTable.h"
#include "support/CliHarness.h"

namespace {

using Kavrel::Lib::KavrelException;

struct Refusal {
    std::function<void()> call;
    std::string message;
};

// vs-core's teaming policy with that uplink order.
void SetTeamingOrder(const std::vector<std::string>& order) {
    auto vswitch = LmxCtl::Network::VirtualSwitchInfoImpl().GetVirtualSwitchByName("vs-core", 0);
    auto policy = vswitch->GetTeamingPolicy();
    policy.SetUplinkOrder(order);
    vswitch->SetTeamingPolicy(policy);
}

class HostMessages : public ::testing::Test {
protected:
    std::map<std::string, std::string> sections;

    void SetUp() override {
        for (const char* name :
             {"firewall", "pnics", "vswitches", "dvswitches", "lmxnics", "netstacks", "datapath", "ipsec"}) {
            std::ifstream in(std::string(TALIX_SOURCE_DIR "/demo/state/") + name + ".json");
            sections[name].assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        SimHost::UseMemoryHost(sections);
    }

    static void ExpectRefused(const std::vector<Refusal>& table) {
        for (const auto& row : table) EXPECT_EQ(TalixTest::FailureOf(row.call), row.message);
    }
};

TEST_F(HostMessages, Firewall) {
    ExpectRefused({
        // a setting other than 0 or 1
        {[] { Kavrel::System::FirewallRuleset("sshServer").CheckConfigurable(2, 0); }, "Unknown ruleset setting 2"},
        // loading a module the host does not have
        {[] { LmxCtl::System::ModuleImpl("otherfw").Load("", false); }, "Unknown module otherfw"},
        // unloading the module while its rulesets are loaded
        {[] { LmxCtl::System::ModuleImpl("talixfw").Unload(); }, "Module talixfw is in use by the firewall filters"},
        // a change to a ruleset the host does not have
        {[] { Kavrel::System::FirewallRuleset("ghost").Enable(); }, "Ruleset ghost does not exist"},
    });
}

TEST_F(HostMessages, StandardSwitches) {
    auto add = [](const std::string& name, int64_t ports) {
        LmxCtl::Network::VirtualSwitchInfoImpl().AddVirtualSwitchWithPolicy(
            Kavrel::Network::NicTeamingPolicy::GetDefaultPolicy(),
            Kavrel::Network::PortSecurityPolicy::GetDefaultPolicy(), Kavrel::Network::ShapingPolicy::GetDefaultPolicy(),
            Kavrel::Network::NicCapabilities::GetDefaultPolicy(), name, ports);
    };
    auto core = [] { return LmxCtl::Network::VirtualSwitchInfoImpl().GetVirtualSwitchByName("vs-core", 0); };
    ExpectRefused({
        // a CDP status above 3
        {[&] { core()->SetCdpStatus(4); }, "Invalid CDP status 4"},
        // a switch without a name
        {[&] { add("", 128); }, "Virtual switch name must not be empty"},
        // a switch name of 128 characters
        {[&] { add(std::string(128, 'v'), 128); }, "Virtual switch name exceeds 127 characters"},
        // no ports
        {[&] { add("vs-new", 0); }, "Invalid port count 0: it must be between 1 and 4096"},
        // too many ports
        {[&] { add("vs-new", 4097); }, "Invalid port count 4097: it must be between 1 and 4096"},
        // a port group without a name
        {[&] { core()->AddPortGroup(""); }, "Port group name must not be empty"},
        // a port group name of 128 characters
        {[&] { core()->AddPortGroup(std::string(128, 'p')); }, "Port group name exceeds 127 characters"},
    });
}

TEST_F(HostMessages, PhysicalNics) {
    // Reads a NIC's settings, edits them and writes them back whole.
    auto changeInfo = [](const char* nic, const std::function<void(Kavrel::Network::PnicInfo&)>& change) {
        LmxCtl::Network::PnicImpl pnic(nic);
        Kavrel::Network::PnicInfo info;
        pnic.GetPnicInfo(info);
        change(info);
        pnic.SetPnicInfo(info);
    };
    ExpectRefused({
        // a transceiver other than internal or external
        {[&] {
             changeInfo("pnic0", [](Kavrel::Network::PnicInfo& info) {
                 info.transceiverChanged = true;
                 info.transceiver = 2;
             });
         },
         "Invalid transceiver type"},
        // an attachment to a NIC object the host does not have
        {[] { Kavrel::Network::Pnic("pnic9").AttachBranch("pnic1", 10); }, "No such pnic: pnic9"},
        // a change to a NIC object the host does not have
        {[] { Kavrel::Network::Pnic("pnic9").RestartNegotiation(); }, "No such pnic: pnic9"},
        // an attachment of a NIC to itself
        {[] { LmxCtl::Network::PnicImpl("pnic0").AttachBranch("pnic0", 10); }, "A NIC cannot be attached to itself"},
        // wake-on-LAN on a NIC without it
        {[&] { changeInfo("usbnic0", [](Kavrel::Network::PnicInfo& info) { info.wakeOnChanged = true; }); },
         "usbnic0 does not support wake-on-LAN"},
        // a message level on a NIC without them
        {[&] { changeInfo("usbnic0", [](Kavrel::Network::PnicInfo& info) { info.messageLevelChanged = true; }); },
         "usbnic0 does not support driver message levels"},
        // a duplex other than full or half
        {[] { LmxCtl::Network::PnicImpl("pnic0").SetSpeedDuplex(1000, 3); }, "Invalid duplex value 3"},
        // an object for a NIC the host does not have
        {[] { LmxCtl::Network::PnicImpl("pnic9"); }, "No such pnic: pnic9"},
        // an attachment to a branch the host does not have
        {[] { LmxCtl::Network::PnicImpl("pnic0").AttachBranch("pnic9", 10); }, "No such pnic: pnic9"},
        // an attachment on VLAN 0
        {[] { LmxCtl::Network::PnicImpl("pnic0").AttachBranch("pnic1", 0); },
         "VLAN ID 0 is outside the range 1 to 4094"},
        // a coalescing sample interval of 0 seconds
        {[] {
             LmxCtl::Network::PnicImpl pnic("pnic0");
             Kavrel::Network::PnicCoalesceParams params;
             pnic.GetCoalesceParams(params);
             params.sampleInterval = 0;
             pnic.SetCoalesceParams(params);
         },
         "Sample interval 0 is outside the range 1 to 3600 seconds"},
        // the uplink port of a NIC that is no uplink
        {[] { LmxCtl::Network::PnicImpl("usbnic0").GetPort(); }, "Pnic usbnic0 is not an uplink of any virtual switch"},
        // the VFs of a NIC without SR-IOV
        {[] { Kavrel::Network::NetworkInfo().GetSriovNicVFInfo("pnic2"); }, "Pnic pnic2 is not an SRIOV capable NIC"},
        // a load balancer setting past the last
        {[] {
             Kavrel::Network::PnicNetqueueInfo info;
             info.settingMask =
                 Kavrel::Network::PnicNetqueueInfo::SettingBit(Kavrel::Network::PnicNetqueueInfo::SETTING_COUNT);
             LmxCtl::Network::PnicImpl("pnic0").SetNetqueueInfo(info);
         },
         "Invalid netqueue load balancer setting mask 0x800"},
    });
}

TEST_F(HostMessages, IpStack) {
    ExpectRefused({
        // an empty netstack name
        {[] { LmxCtl::Network::NetstackInstanceImpl("travex").SetName("", true); },
         "A netstack instance name cannot be empty"},
        // an unknown congestion control algorithm
        {[] { LmxCtl::Network::NetstackInstanceImpl("travex").SetCongestionControlAlgorithm("vegas", true); },
         "Unknown congestion control algorithm vegas"},
        // an unknown ECN status
        {[] { LmxCtl::Network::NetstackInstanceImpl("travex").SetEcnStatus("sometimes"); },
         "Invalid ECN status sometimes"},
        // a hosts comment of two lines
        {[] { LmxCtl::Network::HostsFile().AddEntryFromUser("192.0.2.10", "h1.example", {}, "two\nlines"); },
         "A comment must be a single line"},
        // a hosts comment with a control character
        {[] { LmxCtl::Network::HostsFile().AddEntryFromUser("192.0.2.10", "h1.example", {}, "bell\x07"); },
         "A comment may not hold control characters"},
        // an address that is neither IPv4 nor IPv6
        {[] { Kavrel::Network::IpAddress("10.0.0"); }, "Invalid IP address: '10.0.0'"},
        // a MAC address of five bytes
        {[] { Kavrel::Network::MacAddress("02:00:00:00:00"); }, "Invalid MAC address: '02:00:00:00:00'"},
        // an interface object for a name the host does not have
        {[] { LmxCtl::Network::LmxNicImpl("lmx9"); }, "No such Lumex network interface: lmx9"},
        // a query on an interface the host does not have
        {[] { Kavrel::Network::LmxNic("lmx9").GetMtu(); }, "No such Lumex network interface: lmx9"},
    });
}

// A connection point of a kind the host cannot attach an interface to.
class OpaqueNetworkPoint : public Kavrel::Network::ConnectionPoint {
public:
    int GetConnectionPointType() const override { return Kavrel::Network::CONNECTION_POINT_OPAQUE_NETWORK; }
    bool IsValid() const override { return true; }
};

TEST_F(HostMessages, HostInterfacesAndDatapath) {
    auto add = [](int offloadFlags, int numRxQueue, const std::string& name) {
        LmxCtl::Network::PortGroupImpl point("Host Management");
        LmxCtl::Network::LumexNicInfoImpl().AddLumexNic(point, "defaultTcpipStack", Kavrel::Network::IpConfig(),
                                                        Kavrel::Network::MacAddress(), offloadFlags, 0, numRxQueue,
                                                        name, false);
    };
    ExpectRefused({
        // offload flags
        {[&] { add(1, 0, "lmx9"); }, "Unsupported offload flags 1"},
        // too many RX queues
        {[&] { add(0, 1001, "lmx9"); }, "Number of RX dispatch queues 1001 is out of range: 1 to 1000"},
        // a name outside lmx0 to lmx255
        {[&] { add(0, 0, "lmx256"); }, "Invalid interface name lmx256: the name must be lmx0 to lmx255"},
        // a multicast MAC address
        {[] {
             LmxCtl::Network::LumexNicInfoImpl().AddLumexNic(
                 LmxCtl::Network::PortGroupImpl("Host Management"), "defaultTcpipStack", Kavrel::Network::IpConfig(),
                 Kavrel::Network::MacAddress("03:00:00:00:00:01"), 0, 0, 0, "lmx9", false);
         },
         "MAC address 03:00:00:00:00:01 is not a unicast address"},
        // a new interface when lmx0 to lmx255 are all taken
        {[&] {
             auto full = sections;
             auto lmxnics = nlohmann::json::parse(full["lmxnics"]);
             for (int number = 0; number < 256; ++number) {
                 lmxnics["lmxnics"].push_back({{"name", "lmx" + std::to_string(number)}});
             }
             full["lmxnics"] = lmxnics.dump();
             SimHost::UseMemoryHost(full);
             add(0, 0, "");
         },
         "No free Lumex network interface name: lmx0 to lmx255 are all in use"},
        // an opaque network as connection point
        {[] {
             LmxCtl::Network::LumexNicInfoImpl().AddLumexNic(OpaqueNetworkPoint(), "defaultTcpipStack",
                                                             Kavrel::Network::IpConfig(), Kavrel::Network::MacAddress(),
                                                             0, 0, 0, "lmx9", false);
         },
         "Unsupported connection point for a Lumex network interface"},
        // an interface selector other than all
        {[] { Kavrel::Network::NetworkFactory::GetNetworkInfo()->GetInterfaceInventory()->GetInterfaces(1); },
         "Invalid interface selector 1"},
    });
}

// Ports and distributed switches named by what no command passes: a port
// the switch does not have, a switch the host does not have, and an uplink
// whose datapath port a hand-edited state left out.
TEST_F(HostMessages, PortsAndDistributedSwitches) {
    ExpectRefused({
        // a port the switch does not have
        {[] { LmxCtl::Network::PortImpl("vs-core", 12345).GetType(); }, "Port 12345 not found on switch vs-core"},
        // a DVPort of a switch the host does not have
        {[] {
             LmxCtl::Network::LumexNicInfoImpl().AddLumexNic(LmxCtl::Network::DVPortImpl("no-such-dvs", "1"),
                                                             "defaultTcpipStack", Kavrel::Network::IpConfig(),
                                                             Kavrel::Network::MacAddress(), 0, 0, 0, "lmx9", false);
         },
         "DVPort 1 names no DVSwitch of this host"},
        // an interface on a DVPort the switch does not have
        {[] {
             LmxCtl::Network::LumexNicInfoImpl().AddLumexNic(LmxCtl::Network::DVPortImpl("cds-east", "999"),
                                                             "defaultTcpipStack", Kavrel::Network::IpConfig(),
                                                             Kavrel::Network::MacAddress(), 0, 0, 0, "lmx9", false);
         },
         "DVPort 999 does not exist on DVSwitch cds-east"},
        // removing a system interface
        {[] { LmxCtl::Network::LmxNicImpl("lmx4").Remove(); },
         "Cannot remove lmx4: it is a system interface of the host"},
        // an uplink without its datapath port
        {[&] {
             auto edited = sections;
             auto datapath = nlohmann::json::parse(edited["datapath"]);
             datapath["uplinkPorts"].erase(0);
             edited["datapath"] = datapath.dump();
             SimHost::UseMemoryHost(edited);
             LmxCtl::Network::PnicImpl("pnic0").GetPort();
         },
         "Pnic pnic0 has no uplink port"},
        // reading a DVPort the switch does not have
        {[] { LmxCtl::Network::DVPortImpl("cds-east", "999").GetConnectionId(); },
         "DVPort 999 does not exist on DVSwitch cds-east"},
        // changing a DVPort the switch does not have
        {[] { LmxCtl::Network::DVPortImpl("cds-east", "999").SetConnectionId(7); },
         "DVPort 999 does not exist on DVSwitch cds-east"},
        // a teaming order with a NIC the switch does not have
        {[] {
             SetTeamingOrder({"pnic0", "pnic2"});
         },
         "Uplink pnic2 in the teaming order is not an uplink of virtual switch vs-core"},
        // a teaming order with an uplink twice
        {[] {
             SetTeamingOrder({"pnic1", "pnic1"});
         },
         "Uplink pnic1 appears more than once in the teaming order"},
        // the class of a switch the host does not have
        {[] { Kavrel::Network::Portset("vs-none").GetClass(); }, "Virtual switch vs-none does not exist"},
    });
}

// Refusals of the host's value types: every IPsec word converter names its
// kind and the word it does not know; an interface's IPv6 addresses are
// assigned once and removed with their own length.
TEST_F(HostMessages, WordsAndAddressesOfTheIpStack) {
    using Ipsec = LmxCtl::Network::IpSecConfigImpl;
    Kavrel::Network::IpConfig config;
    config.AddIpv6Network(Kavrel::Network::Ipv6Network("fd00::5/64"));
    ExpectRefused({
        // an IPsec mode
        {[] { Ipsec::StringToIpSecMode("tunnel-x"); }, "Invalid IPsec mode 'tunnel-x'"},
        // an encryption algorithm
        {[] { Ipsec::StringToIpSecEncyptAlgo("rot13"); }, "Invalid encryption algorithm 'rot13'"},
        // an integrity algorithm
        {[] { Ipsec::StringToIpSecAuthAlgo("crc"); }, "Invalid integrity algorithm 'crc'"},
        // an upper layer protocol
        {[] { Ipsec::StringToIpSecULProtoType("sctp-x"); }, "Invalid upper layer protocol 'sctp-x'"},
        // a flow direction
        {[] { Ipsec::StringToIpSecDirection("sideways"); }, "Invalid flow direction 'sideways'"},
        // an action
        {[] { Ipsec::StringToIpSecAction("maybe"); }, "Invalid action 'maybe'"},
        // an IPv6 address assigned twice
        {[&] { config.AddIpv6Network(Kavrel::Network::Ipv6Network("fd00::5/80")); },
         "Address fd00::5 is already assigned to this interface"},
        // an IPv6 address removed with another length
        {[&] { config.RemoveIpv6Network(Kavrel::Network::Ipv6Network("fd00::5/80")); },
         "Address fd00::5/80 is not assigned to this interface"},
    });
    config.RemoveIpv6Network(Kavrel::Network::Ipv6Network("fd00::5/64"));
    EXPECT_TRUE(config.GetIpv6Network().empty());
}

// Injected failures reach each operation under its documented
// "Class::Operation" name; one row per operation that no command test injects.
TEST_F(HostMessages, InjectedFailuresByOperationName) {
    const std::vector<std::pair<const char*, std::function<void()>>> operations = {
        {"DVPort::IsUplink",
         [] { Kavrel::Network::NetworkFactory::GetDVSwitchByName("cds-east")->GetDVPort("0")->IsUplink(); }},
        {"Portset::GetNumUsedPorts",
         [] { LmxCtl::Network::VirtualSwitchInfoImpl().GetVirtualSwitchByName("vs-core", 0)->GetNumUsedPorts(); }},
        {"Portset::GetBeaconRequiredBy",
         [] { LmxCtl::Network::VirtualSwitchInfoImpl().GetVirtualSwitchByName("vs-core", 0)->GetBeaconRequiredBy(); }},
        {"LumexNicInfoImpl::GetLumexNicByInterface",
         [] { LmxCtl::Network::LumexNicInfoImpl().GetLumexNicByInterface("lmx0", false, 0); }},
        {"DcbInfoImpl::IsPfcEnabled", [] { LmxCtl::Network::DcbInfoImpl("pnic0").IsPfcEnabled(); }},
        {"Pnic::GetAdminStatus", [] { Kavrel::Network::Pnic("pnic0").GetAdminStatus(); }},
        {"Portset::GetShapingPolicy",
         [] { LmxCtl::Network::VirtualSwitchInfoImpl().GetVirtualSwitchByName("vs-core", 0)->GetShapingPolicy(); }},
        {"Portset::IsBeaconEnabled",
         [] { LmxCtl::Network::VirtualSwitchInfoImpl().GetVirtualSwitchByName("vs-core", 0)->IsBeaconEnabled(); }},
        {"Portset::GetCdpStatus",
         [] { LmxCtl::Network::VirtualSwitchInfoImpl().GetVirtualSwitchByName("vs-core", 0)->GetCdpStatus(); }},
        {"DVSwitch::GetUplinkPortKeys",
         [] { Kavrel::Network::NetworkFactory::GetDVSwitchByName("cds-east")->GetUplinkPortKeys(); }},
        {"DVSwitch::GetUplinkVlanCounters",
         [] { Kavrel::Network::NetworkFactory::GetDVSwitchByName("cds-east")->GetUplinkVlanCounters("pnic4"); }},
        {"LmxNicImpl::LmxNicImpl", [] { LmxCtl::Network::LmxNicImpl("lmx0"); }},
        {"LmxNic::GetTsoMss", [] { LmxCtl::Network::LmxNicImpl("lmx0").GetTsoMss(); }},
        {"NetworkInfo::AddNetstackInstance",
         [] {
             Kavrel::Network::NetworkInfo info;
             info.AddNetstackInstance(*info.LookupNetstackInstanceByKey("defaultTcpipStack"), false);
         }},
        {"NetworkInfo::SetEnsMaxLcores", [] { Kavrel::Network::NetworkInfo().SetEnsMaxLcores(4); }},
    };
    for (const auto& [operation, call] : operations) {
        SimHost::InjectFault(operation, std::string(operation) + " failed");
        ExpectRefused({{call, std::string(operation) + " failed"}});
        SimHost::ClearFaults();
    }
}

// The host-root directory's own failures, as talixcli reports them: a root
// that cannot be made, a state file, the lock and the journal in the way.
TEST(HostRootFailures, ReachTheUserWordForWord) {
    for (const auto& row : TalixTest::ReadCaseTable("simhost/host_root_failures.tsv", 3)) {
        SCOPED_TRACE(row.where);
        TalixTest::TempHostRoot root;
        std::string host = root.Path();
        const std::string& spoil = row.fields[0];
        const std::string path = spoil.substr(spoil.find(':') + 1);
        if (spoil == "below-file") {
            root.WriteFile("file", "");
            host += "/file/host";
        } else {
            RunOnHost(root, "network ens maxLcores get");
            if (spoil.rfind("directory:", 0) == 0) {
                std::remove((host + "/" + path).c_str());
                mkdir((host + "/" + path).c_str(), 0755);
            } else {
                root.WriteFile(path, "");
            }
        }
        std::string message = row.fields[2];
        for (size_t at; (at = message.find("{host}")) != std::string::npos;) message.replace(at, 6, host);
        auto result = TalixTest::RunTalixcli(TalixTest::SplitWords(row.fields[1]), {{"TALIX_HOST_ROOT", host}});
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, message);
    }
}

}  // namespace
