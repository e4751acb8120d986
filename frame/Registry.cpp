// The network plug-in's entry point: builds the whole command tree, in registration order.
#include "datapath/DatapathCommands.h"
#include "firewall/FirewallCommands.h"
#include "ip/InterfaceCommands.h"
#include "ip/StackCommands.h"
#include "nic/NicCommands.h"
#include "nic/NicDiagnosticCommands.h"
#include "parvik/AutoCli.h"
#include "parvik/PluginHooks.h"
#include "vswitch/VswitchCommands.h"

namespace NorvaleCli {
namespace NetworkNamespace {
namespace {

using NodePtr = std::shared_ptr<Parvik::AutoCli::NamespaceNode>;

// Every command is registered with its host access: ReadsHost for one that
// only looks, ChangesHost for one that may change the host (the host library
// then takes its exclusive lock and writes the command's changes as one).
// Declared here rather than in each command's class, so that this table shows
// it for all commands at once; the framework takes a command registered
// without it as changing the host, and the tree test pins each command's
// access (tests/frame/expected_tree.tsv).
template <class CommandClass>
std::shared_ptr<CommandClass> ReadsHost(std::shared_ptr<CommandClass> command) {
    command->SetChangesHost(false);
    return command;
}

template <class CommandClass>
std::shared_ptr<CommandClass> ChangesHost(std::shared_ptr<CommandClass> command) {
    command->SetChangesHost(true);
    return command;
}

NodePtr NewNamespace(const char* description) {
    NodePtr node = Parvik::AutoCli::Namespace::New();
    node->SetDescription(description);
    return node;
}

void RegisterIpTree(const NodePtr& network) {
    auto ip = NewNamespace("Operations that can be performed on lmxnics");
    network->RegisterNamespaceNode(ip, "ip");  // early: its netstack and hosts children follow
    ip->RegisterNamespaceNode(ReadsHost(IpGet::New()), "get");
    ip->RegisterNamespaceNode(ChangesHost(IpSet::New()), "set");
    auto ipNeighbor = NewNamespace("Operations that can be performed on arp tables");
    ipNeighbor->RegisterNamespaceNode(ReadsHost(IpNeighborList::New()), "list");
    ipNeighbor->RegisterNamespaceNode(ChangesHost(IpNeighborRemove::New()), "remove");
    ip->RegisterNamespaceNode(ipNeighbor, "neighbor");
    auto ipConnection = NewNamespace("List active tcpip connections");
    ipConnection->RegisterNamespaceNode(ReadsHost(IpConnectionList::New()), "list");
    ip->RegisterNamespaceNode(ipConnection, "connection");
    auto ipDns = NewNamespace("Operations pertaining to Domain Name Server configuration.");
    auto ipDnsServer = NewNamespace("Operations pertaining to DNS server configuration.");
    ipDnsServer->RegisterNamespaceNode(ReadsHost(IpDNSServerList::New()), "list");
    ipDnsServer->RegisterNamespaceNode(ChangesHost(IpDNSServerAdd::New()), "add");
    ipDnsServer->RegisterNamespaceNode(ChangesHost(IpDNSServerRemove::New()), "remove");
    ipDns->RegisterNamespaceNode(ipDnsServer, "server");
    auto ipDnsSearch = NewNamespace("Operations pertaining to DNS search domain configuration.");
    ipDnsSearch->RegisterNamespaceNode(ChangesHost(IpDNSSearchAdd::New()), "add");
    ipDnsSearch->RegisterNamespaceNode(ChangesHost(IpDNSSearchRemove::New()), "remove");
    ipDnsSearch->RegisterNamespaceNode(ReadsHost(IpDNSSearchList::New()), "list");
    ipDns->RegisterNamespaceNode(ipDnsSearch, "search");
    ip->RegisterNamespaceNode(ipDns, "dns");
    auto ipRoute = NewNamespace("Operations pertaining to route configuration");
    auto ipRouteIpv4 = NewNamespace("IPv4 route operations");
    ipRouteIpv4->RegisterNamespaceNode(ChangesHost(IpRouteIpv4Add::New()), "add");
    ipRouteIpv4->RegisterNamespaceNode(ChangesHost(IpRouteIpv4Remove::New()), "remove");
    ipRouteIpv4->RegisterNamespaceNode(ReadsHost(IpRouteIpv4List::New()), "list");
    ipRoute->RegisterNamespaceNode(ipRouteIpv4, "ipv4");
    auto ipRouteIpv6 = NewNamespace("IPv6 route operations");
    ipRouteIpv6->RegisterNamespaceNode(ChangesHost(IpRouteIpv6Add::New()), "add");
    ipRouteIpv6->RegisterNamespaceNode(ChangesHost(IpRouteIpv6Remove::New()), "remove");
    ipRouteIpv6->RegisterNamespaceNode(ReadsHost(IpRouteIpv6List::New()), "list");
    ipRoute->RegisterNamespaceNode(ipRouteIpv6, "ipv6");
    ip->RegisterNamespaceNode(ipRoute, "route");
    auto ipIpsec = NewNamespace("Operations on Internet Protocol Security");
    auto ipIpsecSa = NewNamespace("Operations pertaining to Security Association");
    ipIpsecSa->RegisterNamespaceNode(ChangesHost(IpIpsecSAAdd::New()), "add");
    ipIpsecSa->RegisterNamespaceNode(ChangesHost(IpIpsecSARemove::New()), "remove");
    ipIpsecSa->RegisterNamespaceNode(ReadsHost(IpIpsecSAList::New()), "list");
    ipIpsec->RegisterNamespaceNode(ipIpsecSa, "sa");
    auto ipIpsecSp = NewNamespace("Operations pertaining to Security Policy");
    ipIpsecSp->RegisterNamespaceNode(ChangesHost(IpIpsecSPAdd::New()), "add");
    ipIpsecSp->RegisterNamespaceNode(ChangesHost(IpIpsecSPRemove::New()), "remove");
    ipIpsecSp->RegisterNamespaceNode(ReadsHost(IpIpsecSPList::New()), "list");
    ipIpsec->RegisterNamespaceNode(ipIpsecSp, "sp");
    ip->RegisterNamespaceNode(ipIpsec, "ipsec");
    auto ipInterface = NewNamespace(
        "Operations having to do with the creation, management and deletion of Lumex network interfaces (lmxnic).");
    ipInterface->RegisterNamespaceNode(ChangesHost(IpInterfaceAdd::New()), "add");
    ipInterface->RegisterNamespaceNode(ChangesHost(IpInterfaceRemove::New()), "remove");
    ipInterface->RegisterNamespaceNode(ReadsHost(IpInterfaceList::New()), "list");
    ipInterface->RegisterNamespaceNode(ChangesHost(IpInterfaceSet::New()), "set");
    auto ipInterfaceIpv4 = NewNamespace("Commands to get and set IPv4 settings for lmxnic.");
    ipInterface->RegisterNamespaceNode(ipInterfaceIpv4, "ipv4");  // early: its address child follows
    ipInterfaceIpv4->RegisterNamespaceNode(ReadsHost(IpInterfaceIpv4Get::New()), "get");
    ipInterfaceIpv4->RegisterNamespaceNode(ChangesHost(IpInterfaceIpv4Set::New()), "set");
    auto ipInterfaceIpv4Address =
        NewNamespace("Commands for managing IPv4 addresses assigned to Lumex network interfaces.");
    ipInterfaceIpv4Address->RegisterNamespaceNode(ReadsHost(IpInterfaceIpv4Get::New()), "list");
    ipInterfaceIpv4->RegisterNamespaceNode(ipInterfaceIpv4Address, "address");
    auto ipInterfaceIpv6 = NewNamespace("Commands to get and set IPv6 settings for lmxnic.");
    ipInterfaceIpv6->RegisterNamespaceNode(ChangesHost(IpInterfaceIpv6Set::New()), "set");
    ipInterfaceIpv6->RegisterNamespaceNode(ReadsHost(IpInterfaceIpv6Get::New()), "get");
    auto ipInterfaceIpv6Address = NewNamespace("Commands to list and update IPv6 addresses assigned to the system.");
    ipInterfaceIpv6Address->RegisterNamespaceNode(ReadsHost(IpInterfaceIpv6AddressList::New()), "list");
    ipInterfaceIpv6Address->RegisterNamespaceNode(ChangesHost(IpInterfaceIpv6AddressAdd::New()), "add");
    ipInterfaceIpv6Address->RegisterNamespaceNode(ChangesHost(IpInterfaceIpv6AddressRemove::New()), "remove");
    ipInterfaceIpv6->RegisterNamespaceNode(ipInterfaceIpv6Address, "address");
    ipInterface->RegisterNamespaceNode(ipInterfaceIpv6, "ipv6");
    auto ipInterfaceTag = NewNamespace("Commands to add and remove tags on lmxnics.");
    ipInterfaceTag->RegisterNamespaceNode(ChangesHost(IpInterfaceTagAdd::New()), "add");
    ipInterfaceTag->RegisterNamespaceNode(ChangesHost(IpInterfaceTagRemove::New()), "remove");
    ipInterfaceTag->RegisterNamespaceNode(ReadsHost(IpInterfaceTagGet::New()), "get");
    ipInterface->RegisterNamespaceNode(ipInterfaceTag, "tag");
    ip->RegisterNamespaceNode(ipInterface, "interface");
    auto ipNetstack =
        NewNamespace("Operations having to do with the creation, management and deletion of Lumex Netstack Instances.");
    ipNetstack->RegisterNamespaceNode(ReadsHost(IpNetstackInstanceList::New()), "list");
    ipNetstack->RegisterNamespaceNode(ChangesHost(IpNetstackInstanceAdd::New()), "add");
    ipNetstack->RegisterNamespaceNode(ChangesHost(IpNetstackInstanceRemove::New()), "remove");
    ipNetstack->RegisterNamespaceNode(ReadsHost(IpNetstackInstanceGet::New()), "get");
    ipNetstack->RegisterNamespaceNode(ChangesHost(IpNetstackInstanceSet::New()), "set");
    ip->RegisterNamespaceNode(ipNetstack, "netstack");
    auto ipHosts = NewNamespace("Operations pertaining to /etc/hosts");
    ipHosts->RegisterNamespaceNode(ReadsHost(IpHostsList::New()), "list");
    ipHosts->RegisterNamespaceNode(ChangesHost(IpHostsAdd::New()), "add");
    ipHosts->RegisterNamespaceNode(ChangesHost(IpHostsRemove::New()), "remove");
    ip->RegisterNamespaceNode(ipHosts, "hosts");
}

void RegisterMulticastTree(const NodePtr& network) {
    auto multicast = NewNamespace("Operations having to do with multicast");
    network->RegisterNamespaceNode(multicast, "multicast");  // registered early
    auto multicastGroup = NewNamespace("Operations to list multicast groups");
    multicastGroup->RegisterNamespaceNode(ReadsHost(MulticastGroupList::New()), "list");
    multicast->RegisterNamespaceNode(multicastGroup, "group");
}

void RegisterNicTree(const NodePtr& network) {
    auto nic = NewNamespace(
        "Operations having to do with the configuration of Network Interface Card and getting and updating the NIC "
        "settings.");
    nic->RegisterNamespaceNode(ReadsHost(NicList::New()), "list");
    nic->RegisterNamespaceNode(ChangesHost(NicUp::New()), "up");
    nic->RegisterNamespaceNode(ReadsHost(NicGet::New()), "get");
    nic->RegisterNamespaceNode(ChangesHost(NicSet::New()), "set");
    nic->RegisterNamespaceNode(ChangesHost(NicDown::New()), "down");
    auto nicStats = NewNamespace("Get packet statistics for a NIC");
    nicStats->RegisterNamespaceNode(ReadsHost(NicStatsGet::New()), "get");
    nic->RegisterNamespaceNode(nicStats, "stats");
    auto nicVlan = NewNamespace("Get VLAN information for a NIC");
    nic->RegisterNamespaceNode(nicVlan, "vlan");  // registered early
    auto nicVlanStats = NewNamespace("Commands to access VLAN statistics for a NIC");
    nicVlanStats->RegisterNamespaceNode(ReadsHost(NicVlanStatsGet::New()), "get");
    nicVlanStats->RegisterNamespaceNode(ChangesHost(NicVlanStatsSet::New()), "set");
    nicVlan->RegisterNamespaceNode(nicVlanStats, "stats");
    auto nicCoalesce = NewNamespace("Commands to access coalesce paramaters for a NIC");
    nic->RegisterNamespaceNode(nicCoalesce, "coalesce");  // early: its low and high children follow
    nicCoalesce->RegisterNamespaceNode(ReadsHost(NicCoalesceGet::New()), "get");
    nicCoalesce->RegisterNamespaceNode(ChangesHost(NicCoalesceSet::New()), "set");
    auto nicCoalesceLow = NewNamespace("Commands to access coalesce parameters for a NIC at low packet rate");
    nicCoalesceLow->RegisterNamespaceNode(ReadsHost(NicCoalesceLowGet::New()), "get");
    nicCoalesceLow->RegisterNamespaceNode(ChangesHost(NicCoalesceLowSet::New()), "set");
    nicCoalesce->RegisterNamespaceNode(nicCoalesceLow, "low");
    auto nicCoalesceHigh = NewNamespace("Commands to access coalesce parameters for a NIC at high packet rate");
    nicCoalesceHigh->RegisterNamespaceNode(ReadsHost(NicCoalesceHighGet::New()), "get");
    nicCoalesceHigh->RegisterNamespaceNode(ChangesHost(NicCoalesceHighSet::New()), "set");
    nicCoalesce->RegisterNamespaceNode(nicCoalesceHigh, "high");
    auto nicCso = NewNamespace("Commands to access checksum offload settings for a NIC");
    nicCso->RegisterNamespaceNode(ReadsHost(NicCsoGet::New()), "get");
    nicCso->RegisterNamespaceNode(ChangesHost(NicCsoSet::New()), "set");
    nic->RegisterNamespaceNode(nicCso, "cso");
    auto nicTso = NewNamespace("Commands to access TCP segmentation offload settings for a NIC");
    nicTso->RegisterNamespaceNode(ReadsHost(NicTsoGet::New()), "get");
    nicTso->RegisterNamespaceNode(ChangesHost(NicTsoSet::New()), "set");
    nic->RegisterNamespaceNode(nicTso, "tso");
    auto nicSg = NewNamespace("Commands to access scatter-gather settings for a NIC");
    nicSg->RegisterNamespaceNode(ReadsHost(NicSgGet::New()), "get");
    nicSg->RegisterNamespaceNode(ChangesHost(NicSgSet::New()), "set");
    nic->RegisterNamespaceNode(nicSg, "sg");
    auto nicPauseParams = NewNamespace("Commands to access pause parameters for a NIC");
    nicPauseParams->RegisterNamespaceNode(ReadsHost(NicPauseParamsList::New()), "list");
    nicPauseParams->RegisterNamespaceNode(ChangesHost(NicPauseParamsSet::New()), "set");
    nic->RegisterNamespaceNode(nicPauseParams, "pauseParams");
    auto nicRegister = NewNamespace("Commands to access registers for a NIC");
    nicRegister->RegisterNamespaceNode(ReadsHost(NicRegisterDump::New()), "dump");
    nic->RegisterNamespaceNode(nicRegister, "register");
    auto nicEeprom = NewNamespace("Commands to access EEPROM for a NIC");
    nicEeprom->RegisterNamespaceNode(ReadsHost(NicEepromDump::New()), "dump");
    nicEeprom->RegisterNamespaceNode(ChangesHost(NicEepromChange::New()), "change");
    nic->RegisterNamespaceNode(nicEeprom, "eeprom");
    auto nicNegotiate = NewNamespace("Commands to access negotiation feature on a NIC");
    nicNegotiate->RegisterNamespaceNode(ChangesHost(NicNegotiationRestart::New()), "restart");
    nic->RegisterNamespaceNode(nicNegotiate, "negotiate");
    auto nicSelftest = NewNamespace("Commands to access self test feature on a NIC");
    nicSelftest->RegisterNamespaceNode(ReadsHost(NicSelfTestRun::New()), "run");
    nic->RegisterNamespaceNode(nicSelftest, "selftest");
    auto nicQueue = NewNamespace("Commands to access RX/TX netqueue features on a NIC");
    nic->RegisterNamespaceNode(nicQueue, "queue");  // registered early
    auto nicQueueLoadbalancer = NewNamespace("Commands to access load balancer features of netqueue");
    nicQueue->RegisterNamespaceNode(nicQueueLoadbalancer, "loadbalancer");  // registered early
    nicQueueLoadbalancer->RegisterNamespaceNode(ReadsHost(NicQueueLbSettingList::New()), "list");
    nicQueueLoadbalancer->RegisterNamespaceNode(ChangesHost(NicQueueLbSettingSet::New()), "set");
    auto nicQueueLoadbalancerState = NewNamespace("Commands to access load balancer state on a NIC");
    nicQueueLoadbalancerState->RegisterNamespaceNode(ReadsHost(NicQueueLbStateList::New()), "list");
    nicQueueLoadbalancerState->RegisterNamespaceNode(ChangesHost(NicQueueLbStateSet::New()), "set");
    nicQueueLoadbalancer->RegisterNamespaceNode(nicQueueLoadbalancerState, "state");
    auto nicQueueLoadbalancerPlugin = NewNamespace("Commands to access load balancer plugins on a NIC");
    nicQueueLoadbalancerPlugin->RegisterNamespaceNode(ReadsHost(NicQueueLbPluginList::New()), "list");
    nicQueueLoadbalancerPlugin->RegisterNamespaceNode(ChangesHost(NicQueueLbPluginSet::New()), "set");
    nicQueueLoadbalancer->RegisterNamespaceNode(nicQueueLoadbalancerPlugin, "plugin");
    auto nicQueueCount = NewNamespace("Commands to access netqueue count on a NIC");
    nicQueueCount->RegisterNamespaceNode(ReadsHost(NicQueueCountGet::New()), "get");
    nicQueueCount->RegisterNamespaceNode(ChangesHost(NicQueueCountSet::New()), "set");
    nicQueue->RegisterNamespaceNode(nicQueueCount, "count");
    auto nicQueueFilterclass = NewNamespace("Commands to access supported filter class");
    nicQueueFilterclass->RegisterNamespaceNode(ReadsHost(NicQueueFilterClassList::New()), "list");
    nicQueue->RegisterNamespaceNode(nicQueueFilterclass, "filterclass");
    auto nicSoftware = NewNamespace("Commands to access NIC feature software simulation settings");
    nicSoftware->RegisterNamespaceNode(ReadsHost(NicSoftwareList::New()), "list");
    nicSoftware->RegisterNamespaceNode(ChangesHost(NicSoftwareSet::New()), "set");
    nic->RegisterNamespaceNode(nicSoftware, "software");
    auto nicRing = NewNamespace("Commands to access NIC RX/TX ring buffer parameters");
    auto nicRingPreset = NewNamespace("Commands to access preset maximums for NIC RX/TX ring buffer parameters.");
    nicRingPreset->RegisterNamespaceNode(ReadsHost(NicRingPresetGet::New()), "get");
    nicRing->RegisterNamespaceNode(nicRingPreset, "preset");
    auto nicRingCurrent = NewNamespace("Commands to access current NIC RX/TX ring buffer parameters");
    nicRingCurrent->RegisterNamespaceNode(ReadsHost(NicRingCurrentGet::New()), "get");
    nicRingCurrent->RegisterNamespaceNode(ChangesHost(NicRingCurrentSet::New()), "set");
    nicRing->RegisterNamespaceNode(nicRingCurrent, "current");
    nic->RegisterNamespaceNode(nicRing, "ring");
    auto nicHwCap = NewNamespace("Commands to access hardware capabilities on a NIC.");
    auto nicHwCapSupported = NewNamespace("Commands to access supported hardware capabilities of physical NICs.");
    nicHwCapSupported->RegisterNamespaceNode(ReadsHost(NicHwCapSupportedList::New()), "list");
    nicHwCap->RegisterNamespaceNode(nicHwCapSupported, "supported");
    auto nicHwCapActivated = NewNamespace("Commands to access activated hardware capabilities of physical NICs.");
    nicHwCapActivated->RegisterNamespaceNode(ReadsHost(NicHwCapActivatedList::New()), "list");
    nicHwCap->RegisterNamespaceNode(nicHwCapActivated, "activated");
    nic->RegisterNamespaceNode(nicHwCap, "hwCap");
    auto nicDcb = NewNamespace("Commands regarding DCB (Data Center Bridging) protocol.");
    auto nicDcbStatus = NewNamespace("Status information for DCB (Data Center Briding) protocol.");
    nicDcbStatus->RegisterNamespaceNode(ReadsHost(NicDcbStatusGet::New()), "get");
    nicDcb->RegisterNamespaceNode(nicDcbStatus, "status");
    nic->RegisterNamespaceNode(nicDcb, "dcb");
    auto nicAttachment = NewNamespace("Commands to access attachment info for a NIC.");
    nicAttachment->RegisterNamespaceNode(ChangesHost(NicAttachmentAdd::New()), "add");
    nicAttachment->RegisterNamespaceNode(ChangesHost(NicAttachmentRemove::New()), "remove");
    nicAttachment->RegisterNamespaceNode(ReadsHost(NicAttachmentList::New()), "list");
    nic->RegisterNamespaceNode(nicAttachment, "attachment");
    network->RegisterNamespaceNode(nic, "nic");
}

void RegisterSriovnicTree(const NodePtr& network) {
    auto sriovnic = NewNamespace(
        "Operations having to do with the configuration of SRIOV enabled Network Interface Card and getting and "
        "updating the NIC settings.");
    sriovnic->RegisterNamespaceNode(ReadsHost(SriovNicList::New()), "list");
    auto sriovnicVf = NewNamespace("Operations related to VFs of a SRIOV capable pNIC");
    sriovnicVf->RegisterNamespaceNode(ReadsHost(VfList::New()), "list");
    sriovnicVf->RegisterNamespaceNode(ReadsHost(VfStats::New()), "stats");
    sriovnic->RegisterNamespaceNode(sriovnicVf, "vf");
    network->RegisterNamespaceNode(sriovnic, "sriovnic");
}

NodePtr RegisterVswitchTree(const NodePtr& network) {
    auto vswitch = NewNamespace("Commands to list and manipulate Virtual Switches on an Talix host.");
    auto vswitchStandard = NewNamespace("Commands to list and manipulate Legacy Virtual Switches on an Talix host.");
    vswitchStandard->RegisterNamespaceNode(ChangesHost(VirtualSwitchStandardAdd::New()), "add");
    vswitchStandard->RegisterNamespaceNode(ChangesHost(VirtualSwitchStandardSet::New()), "set");
    vswitchStandard->RegisterNamespaceNode(ReadsHost(VirtualSwitchStandardList::New()), "list");
    vswitchStandard->RegisterNamespaceNode(ChangesHost(VirtualSwitchStandardRemove::New()), "remove");
    auto vswitchStandardUplink = NewNamespace("Commands to add and remove uplink on given virtual switch.");
    vswitchStandardUplink->RegisterNamespaceNode(ChangesHost(VirtualSwitchStandardUplinkAdd::New()), "add");
    vswitchStandardUplink->RegisterNamespaceNode(ChangesHost(VirtualSwitchStandardUplinkRemove::New()), "remove");
    vswitchStandard->RegisterNamespaceNode(vswitchStandardUplink, "uplink");
    auto vswitchStandardPolicy =
        NewNamespace("Commands to manipulate network policy settings governing the given virtual switch.");
    auto vswitchStandardPolicyShaping =
        NewNamespace("Commands to manipulate shaping policy setting for the given virtual switch.");
    vswitchStandardPolicyShaping->RegisterNamespaceNode(ReadsHost(VirtualSwitchStandardPolicyShapingGet::New()), "get");
    vswitchStandardPolicyShaping->RegisterNamespaceNode(ChangesHost(VirtualSwitchStandardPolicyShapingSet::New()),
                                                        "set");
    vswitchStandardPolicy->RegisterNamespaceNode(vswitchStandardPolicyShaping, "shaping");
    auto vswitchStandardPolicySecurity =
        NewNamespace("Commands to manipulate security policy setting for the given virtual switch.");
    vswitchStandardPolicySecurity->RegisterNamespaceNode(ReadsHost(VirtualSwitchStandardPolicySecurityGet::New()),
                                                         "get");
    vswitchStandardPolicySecurity->RegisterNamespaceNode(ChangesHost(VirtualSwitchStandardPolicySecuritySet::New()),
                                                         "set");
    vswitchStandardPolicy->RegisterNamespaceNode(vswitchStandardPolicySecurity, "security");
    auto vswitchStandardPolicyFailover =
        NewNamespace("Commands to manipulate failover policy setting for the given virtual switch.");
    vswitchStandardPolicyFailover->RegisterNamespaceNode(ReadsHost(VirtualSwitchStandardPolicyFailoverGet::New()),
                                                         "get");
    vswitchStandardPolicyFailover->RegisterNamespaceNode(ChangesHost(VirtualSwitchStandardPolicyFailoverSet::New()),
                                                         "set");
    vswitchStandardPolicy->RegisterNamespaceNode(vswitchStandardPolicyFailover, "failover");
    vswitchStandard->RegisterNamespaceNode(vswitchStandardPolicy, "policy");
    auto vswitchStandardPortgroup = NewNamespace("Commands to list and manipulate Port Groups on an Talix host.");
    vswitchStandardPortgroup->RegisterNamespaceNode(ReadsHost(VirtualSwitchPortGroupList::New()), "list");
    vswitchStandardPortgroup->RegisterNamespaceNode(ChangesHost(VirtualSwitchPortGroupAdd::New()), "add");
    vswitchStandardPortgroup->RegisterNamespaceNode(ChangesHost(VirtualSwitchPortGroupRemove::New()), "remove");
    vswitchStandardPortgroup->RegisterNamespaceNode(ChangesHost(VirtualSwitchPortGroupSet::New()), "set");
    auto vswitchStandardPortgroupPolicy =
        NewNamespace("Commands to manipulate network policy settings governing the given portgroup.");
    auto vswitchStandardPortgroupPolicyShaping =
        NewNamespace("Commands to manipulate shaping policy setting for the given portgroup.");
    vswitchStandardPortgroupPolicyShaping->RegisterNamespaceNode(
        ReadsHost(VirtualSwitchPortGroupPolicyShapingGet::New()), "get");
    vswitchStandardPortgroupPolicyShaping->RegisterNamespaceNode(
        ChangesHost(VirtualSwitchPortGroupPolicyShapingSet::New()), "set");
    vswitchStandardPortgroupPolicy->RegisterNamespaceNode(vswitchStandardPortgroupPolicyShaping, "shaping");
    auto vswitchStandardPortgroupPolicyFailover =
        NewNamespace("Commands to manipulate failover policy setting for the given portgroup.");
    vswitchStandardPortgroupPolicyFailover->RegisterNamespaceNode(
        ReadsHost(VirtualSwitchPortGroupPolicyFailoverGet::New()), "get");
    vswitchStandardPortgroupPolicyFailover->RegisterNamespaceNode(
        ChangesHost(VirtualSwitchPortGroupPolicyFailoverSet::New()), "set");
    vswitchStandardPortgroupPolicy->RegisterNamespaceNode(vswitchStandardPortgroupPolicyFailover, "failover");
    auto vswitchStandardPortgroupPolicySecurity =
        NewNamespace("Commands to manipulate security policy setting for the given portgroup.");
    vswitchStandardPortgroupPolicySecurity->RegisterNamespaceNode(
        ReadsHost(VirtualSwitchPortGroupPolicySecurityGet::New()), "get");
    vswitchStandardPortgroupPolicySecurity->RegisterNamespaceNode(
        ChangesHost(VirtualSwitchPortGroupPolicySecuritySet::New()), "set");
    vswitchStandardPortgroupPolicy->RegisterNamespaceNode(vswitchStandardPortgroupPolicySecurity, "security");
    vswitchStandardPortgroup->RegisterNamespaceNode(vswitchStandardPortgroupPolicy, "policy");
    vswitchStandard->RegisterNamespaceNode(vswitchStandardPortgroup, "portgroup");
    vswitch->RegisterNamespaceNode(vswitchStandard, "standard");
    auto vswitchDvs = NewNamespace("Commands to retrieve Distributed Virtual Switch information");
    auto vswitchDvsNorvale = NewNamespace("Commands to retrieve Norvale Celdra Distributed Switch information");
    vswitchDvs->RegisterNamespaceNode(vswitchDvsNorvale, "norvale");  // early: its lacp child is added last
    vswitchDvsNorvale->RegisterNamespaceNode(ReadsHost(VirtualSwitchDVSNorvaleList::New()), "list");
    vswitch->RegisterNamespaceNode(vswitchDvs, "dvs");
    network->RegisterNamespaceNode(vswitch, "vswitch");
    return vswitchDvsNorvale;
}

void RegisterFirewallTree(const NodePtr& network) {
    auto firewall = NewNamespace("A set of commands for firewall related operations");
    firewall->RegisterNamespaceNode(ReadsHost(FirewallGet::New()), "get");
    firewall->RegisterNamespaceNode(ChangesHost(FirewallSet::New()), "set");
    firewall->RegisterNamespaceNode(ChangesHost(FirewallLoad::New()), "load");
    firewall->RegisterNamespaceNode(ChangesHost(FirewallRefresh::New()), "refresh");
    firewall->RegisterNamespaceNode(ChangesHost(FirewallUnload::New()), "unload");
    auto firewallRuleset = NewNamespace("Commands to list and update firewall ruleset configuration");
    firewallRuleset->RegisterNamespaceNode(ReadsHost(FirewallRulesetList::New()), "list");
    firewallRuleset->RegisterNamespaceNode(ChangesHost(FirewallRulesetSet::New()), "set");
    auto firewallRulesetClient = NewNamespace("Commands related to firewall ruleset clients");
    firewallRulesetClient->RegisterNamespaceNode(ReadsHost(FirewallRulesetClientGet::New()), "get");
    firewallRulesetClient->RegisterNamespaceNode(ChangesHost(FirewallRulesetClientAdd::New()), "add");
    firewallRulesetClient->RegisterNamespaceNode(ChangesHost(FirewallRulesetClientRemove::New()), "remove");
    firewallRuleset->RegisterNamespaceNode(firewallRulesetClient, "client");
    auto firewallRulesetRule = NewNamespace("Commands to list rules in the ruleset");
    firewallRulesetRule->RegisterNamespaceNode(ReadsHost(FirewallRulesetRuleList::New()), "list");
    firewallRuleset->RegisterNamespaceNode(firewallRulesetRule, "rule");
    auto firewallRulesetAllowedip = NewNamespace("Commands to list and add/remove allowedip on ruleset");
    firewallRulesetAllowedip->RegisterNamespaceNode(ReadsHost(FirewallRulesetAllowedipList::New()), "list");
    firewallRulesetAllowedip->RegisterNamespaceNode(ChangesHost(FirewallRulesetAllowedipAdd::New()), "add");
    firewallRulesetAllowedip->RegisterNamespaceNode(ChangesHost(FirewallRulesetAllowedipRemove::New()), "remove");
    firewallRuleset->RegisterNamespaceNode(firewallRulesetAllowedip, "allowedip");
    firewall->RegisterNamespaceNode(firewallRuleset, "ruleset");
    network->RegisterNamespaceNode(firewall, "firewall");
}

void RegisterPortTree(const NodePtr& network) {
    auto port = NewNamespace("Commands to get information about a port");
    network->RegisterNamespaceNode(port, "port");  // registered early
    auto portStats = NewNamespace("Commands to get port statistics");
    portStats->RegisterNamespaceNode(ReadsHost(PortStatsGet::New()), "get");
    port->RegisterNamespaceNode(portStats, "stats");
    auto portFilter = NewNamespace("Commands to get port filter information");
    port->RegisterNamespaceNode(portFilter, "filter");  // registered early
    auto portFilterStats = NewNamespace("Commands to get port filter statistics");
    portFilterStats->RegisterNamespaceNode(ReadsHost(PortFilterStatsGet::New()), "get");
    portFilter->RegisterNamespaceNode(portFilterStats, "stats");
}

void RegisterVmTree(const NodePtr& network) {
    auto vm = NewNamespace("A set of commands for VM related operations");
    network->RegisterNamespaceNode(vm, "vm");  // registered early
    vm->RegisterNamespaceNode(ReadsHost(VMList::New()), "list");
    auto vmPort = NewNamespace("Command to list ports of a given VM");
    vmPort->RegisterNamespaceNode(ReadsHost(VMPortList::New()), "list");
    vm->RegisterNamespaceNode(vmPort, "port");
}

void RegisterEnsTree(const NodePtr& network) {
    auto ens =
        NewNamespace("Commands to list and manipulate Enhanced Networking Stack (ENS) feature on virtual switch.");
    auto ensMaxLcores = NewNamespace("Commands to access maximum number of ENS contexts.");
    ensMaxLcores->RegisterNamespaceNode(ReadsHost(EnsMaxlcoresGet::New()), "get");
    ensMaxLcores->RegisterNamespaceNode(ChangesHost(EnsMaxlcoresSet::New()), "set");
    ens->RegisterNamespaceNode(ensMaxLcores, "maxLcores");
    auto ensLcore = NewNamespace("Commands to list and manipulate ENS context parameters.");
    ensLcore->RegisterNamespaceNode(ChangesHost(EnsLcoreAdd::New()), "add");
    ensLcore->RegisterNamespaceNode(ChangesHost(EnsLcoreRemove::New()), "remove");
    ensLcore->RegisterNamespaceNode(ReadsHost(EnsLcoreList::New()), "list");
    auto ensLcoreSwitch = NewNamespace("Commands to access switch associated with given ENS context.");
    ensLcoreSwitch->RegisterNamespaceNode(ReadsHost(EnsLcoreSwitchGet::New()), "get");
    ensLcoreSwitch->RegisterNamespaceNode(ChangesHost(EnsLcoreSwitchAdd::New()), "add");
    ensLcoreSwitch->RegisterNamespaceNode(ChangesHost(EnsLcoreSwitchRemove::New()), "remove");
    ensLcore->RegisterNamespaceNode(ensLcoreSwitch, "switch");
    auto ensLcoreAffinity = NewNamespace("Commands to access affinity for a given ENS context.");
    ensLcoreAffinity->RegisterNamespaceNode(ReadsHost(EnsLcoreAffinityGet::New()), "get");
    ensLcoreAffinity->RegisterNamespaceNode(ChangesHost(EnsLcoreAffinitySet::New()), "set");
    ensLcore->RegisterNamespaceNode(ensLcoreAffinity, "affinity");
    ens->RegisterNamespaceNode(ensLcore, "lcore");
    network->RegisterNamespaceNode(ens, "ens");
}

// Added to the distributed switch namespace after every other subtree.
void RegisterLacpTree(const NodePtr& vswitchDvsNorvale) {
    auto vswitchDvsNorvaleLacp = NewNamespace("A set of commands for LACP related operations");
    auto vswitchDvsNorvaleLacpConfig = NewNamespace("Command to get LACP configuration");
    vswitchDvsNorvaleLacpConfig->RegisterNamespaceNode(ReadsHost(LacpGetConfig::New()), "get");
    vswitchDvsNorvaleLacp->RegisterNamespaceNode(vswitchDvsNorvaleLacpConfig, "config");
    auto vswitchDvsNorvaleLacpStatus = NewNamespace("Command to get LACP port status");
    vswitchDvsNorvaleLacpStatus->RegisterNamespaceNode(ReadsHost(LacpGetStatus::New()), "get");
    vswitchDvsNorvaleLacp->RegisterNamespaceNode(vswitchDvsNorvaleLacpStatus, "status");
    auto vswitchDvsNorvaleLacpStats = NewNamespace("Command to get LACP protocol statistics");
    vswitchDvsNorvaleLacpStats->RegisterNamespaceNode(ReadsHost(LacpGetStats::New()), "get");
    vswitchDvsNorvaleLacp->RegisterNamespaceNode(vswitchDvsNorvaleLacpStats, "stats");
    auto vswitchDvsNorvaleLacpTimeout = NewNamespace("Command to set LACP LAG timeout");
    vswitchDvsNorvaleLacpTimeout->RegisterNamespaceNode(ChangesHost(LacpSetTimeout::New()), "set");
    vswitchDvsNorvaleLacp->RegisterNamespaceNode(vswitchDvsNorvaleLacpTimeout, "timeout");
    vswitchDvsNorvale->RegisterNamespaceNode(vswitchDvsNorvaleLacp, "lacp");
}

}  // namespace
}  // namespace NetworkNamespace
}  // namespace NorvaleCli

extern "C" void AutoCli_RegisterNamespaces(std::shared_ptr<Parvik::AutoCli::NamespaceNode>& parent) {
    using namespace NorvaleCli::NetworkNamespace;
    NodePtr network = NewNamespace(
        "Operations that pertain to the maintenance of networking on an Talix host. This includes a"
        " wide variety of commands to manipulate virtual networking components (vswitch, portgroup, etc) as well as "
        "local host IP, DNS and general host networking settings.");
    RegisterIpTree(network);
    RegisterMulticastTree(network);
    RegisterNicTree(network);
    RegisterSriovnicTree(network);
    NodePtr vswitchDvsNorvale = RegisterVswitchTree(network);
    RegisterFirewallTree(network);
    RegisterPortTree(network);
    RegisterVmTree(network);
    RegisterEnsTree(network);
    RegisterLacpTree(vswitchDvsNorvale);
    parent->RegisterNamespaceNode(network, "network");
}
