// The network plug-in's entry point: builds the whole command tree, in registration order.
#include "datapath/DatapathCommands.h"
#include "firewall/FirewallCommands.h"
#include "ip/InterfaceCommands.h"
#include "ip/StackCommands.h"
#include "nic/NicCommands.h"
#include "nic/NicDiagnosticCommands.h"
#include "parvik/AutoCli.h"
#include "vswitch/VswitchCommands.h"

namespace NorvaleCli {
namespace NetworkNamespace {
namespace {

using NodePtr = std::shared_ptr<Parvik::AutoCli::NamespaceNode>;

NodePtr NewNamespace(const char* description) {
    NodePtr node = Parvik::AutoCli::Namespace::New();
    node->SetDescription(description);
    return node;
}

void RegisterIpTree(const NodePtr& network) {
    auto ip = NewNamespace("Operations that can be performed on lmxnics");
    network->RegisterNamespaceNode(ip, "ip");  // early: its netstack and hosts children follow
    ip->RegisterNamespaceNode(IpGet::New(), "get");
    ip->RegisterNamespaceNode(IpSet::New(), "set");
    auto ipNeighbor = NewNamespace("Operations that can be performed on arp tables");
    ipNeighbor->RegisterNamespaceNode(IpNeighborList::New(), "list");
    ipNeighbor->RegisterNamespaceNode(IpNeighborRemove::New(), "remove");
    ip->RegisterNamespaceNode(ipNeighbor, "neighbor");
    auto ipConnection = NewNamespace("List active tcpip connections");
    ipConnection->RegisterNamespaceNode(IpConnectionList::New(), "list");
    ip->RegisterNamespaceNode(ipConnection, "connection");
    auto ipDns = NewNamespace("Operations pertaining to Domain Name Server configuration.");
    auto ipDnsServer = NewNamespace("Operations pertaining to DNS server configuration.");
    ipDnsServer->RegisterNamespaceNode(IpDNSServerList::New(), "list");
    ipDnsServer->RegisterNamespaceNode(IpDNSServerAdd::New(), "add");
    ipDnsServer->RegisterNamespaceNode(IpDNSServerRemove::New(), "remove");
    ipDns->RegisterNamespaceNode(ipDnsServer, "server");
    auto ipDnsSearch = NewNamespace("Operations pertaining to DNS search domain configuration.");
    ipDnsSearch->RegisterNamespaceNode(IpDNSSearchAdd::New(), "add");
    ipDnsSearch->RegisterNamespaceNode(IpDNSSearchRemove::New(), "remove");
    ipDnsSearch->RegisterNamespaceNode(IpDNSSearchList::New(), "list");
    ipDns->RegisterNamespaceNode(ipDnsSearch, "search");
    ip->RegisterNamespaceNode(ipDns, "dns");
    auto ipRoute = NewNamespace("Operations pertaining to route configuration");
    auto ipRouteIpv4 = NewNamespace("IPv4 route operations");
    ipRouteIpv4->RegisterNamespaceNode(IpRouteIpv4Add::New(), "add");
    ipRouteIpv4->RegisterNamespaceNode(IpRouteIpv4Remove::New(), "remove");
    ipRouteIpv4->RegisterNamespaceNode(IpRouteIpv4List::New(), "list");
    ipRoute->RegisterNamespaceNode(ipRouteIpv4, "ipv4");
    auto ipRouteIpv6 = NewNamespace("IPv6 route operations");
    ipRouteIpv6->RegisterNamespaceNode(IpRouteIpv6Add::New(), "add");
    ipRouteIpv6->RegisterNamespaceNode(IpRouteIpv6Remove::New(), "remove");
    ipRouteIpv6->RegisterNamespaceNode(IpRouteIpv6List::New(), "list");
    ipRoute->RegisterNamespaceNode(ipRouteIpv6, "ipv6");
    ip->RegisterNamespaceNode(ipRoute, "route");
    auto ipIpsec = NewNamespace("Operations on Internet Protocol Security");
    auto ipIpsecSa = NewNamespace("Operations pertaining to Security Association");
    ipIpsecSa->RegisterNamespaceNode(IpIpsecSAAdd::New(), "add");
    ipIpsecSa->RegisterNamespaceNode(IpIpsecSARemove::New(), "remove");
    ipIpsecSa->RegisterNamespaceNode(IpIpsecSAList::New(), "list");
    ipIpsec->RegisterNamespaceNode(ipIpsecSa, "sa");
    auto ipIpsecSp = NewNamespace("Operations pertaining to Security Policy");
    ipIpsecSp->RegisterNamespaceNode(IpIpsecSPAdd::New(), "add");
    ipIpsecSp->RegisterNamespaceNode(IpIpsecSPRemove::New(), "remove");
    ipIpsecSp->RegisterNamespaceNode(IpIpsecSPList::New(), "list");
    ipIpsec->RegisterNamespaceNode(ipIpsecSp, "sp");
    ip->RegisterNamespaceNode(ipIpsec, "ipsec");
    auto ipInterface = NewNamespace(
        "Operations having to do with the creation, management and deletion of Lumex network interfaces (lmxnic).");
    ipInterface->RegisterNamespaceNode(IpInterfaceAdd::New(), "add");
    ipInterface->RegisterNamespaceNode(IpInterfaceRemove::New(), "remove");
    ipInterface->RegisterNamespaceNode(IpInterfaceList::New(), "list");
    ipInterface->RegisterNamespaceNode(IpInterfaceSet::New(), "set");
    auto ipInterfaceIpv4 = NewNamespace("Commands to get and set IPv4 settings for lmxnic.");
    ipInterface->RegisterNamespaceNode(ipInterfaceIpv4, "ipv4");  // early: its address child follows
    ipInterfaceIpv4->RegisterNamespaceNode(IpInterfaceIpv4Get::New(), "get");
    ipInterfaceIpv4->RegisterNamespaceNode(IpInterfaceIpv4Set::New(), "set");
    auto ipInterfaceIpv4Address =
        NewNamespace("Commands for managing IPv4 addresses assigned to Lumex network interfaces.");
    ipInterfaceIpv4Address->RegisterNamespaceNode(IpInterfaceIpv4Get::New(), "list");
    ipInterfaceIpv4->RegisterNamespaceNode(ipInterfaceIpv4Address, "address");
    auto ipInterfaceIpv6 = NewNamespace("Commands to get and set IPv6 settings for lmxnic.");
    ipInterfaceIpv6->RegisterNamespaceNode(IpInterfaceIpv6Set::New(), "set");
    ipInterfaceIpv6->RegisterNamespaceNode(IpInterfaceIpv6Get::New(), "get");
    auto ipInterfaceIpv6Address = NewNamespace("Commands to list and update IPv6 addresses assigned to the system.");
    ipInterfaceIpv6Address->RegisterNamespaceNode(IpInterfaceIpv6AddressList::New(), "list");
    ipInterfaceIpv6Address->RegisterNamespaceNode(IpInterfaceIpv6AddressAdd::New(), "add");
    ipInterfaceIpv6Address->RegisterNamespaceNode(IpInterfaceIpv6AddressRemove::New(), "remove");
    ipInterfaceIpv6->RegisterNamespaceNode(ipInterfaceIpv6Address, "address");
    ipInterface->RegisterNamespaceNode(ipInterfaceIpv6, "ipv6");
    auto ipInterfaceTag = NewNamespace("Commands to add and remove tags on lmxnics.");
    ipInterfaceTag->RegisterNamespaceNode(IpInterfaceTagAdd::New(), "add");
    ipInterfaceTag->RegisterNamespaceNode(IpInterfaceTagRemove::New(), "remove");
    ipInterfaceTag->RegisterNamespaceNode(IpInterfaceTagGet::New(), "get");
    ipInterface->RegisterNamespaceNode(ipInterfaceTag, "tag");
    ip->RegisterNamespaceNode(ipInterface, "interface");
    auto ipNetstack =
        NewNamespace("Operations having to do with the creation, management and deletion of Lumex Netstack Instances.");
    ipNetstack->RegisterNamespaceNode(IpNetstackInstanceList::New(), "list");
    ipNetstack->RegisterNamespaceNode(IpNetstackInstanceAdd::New(), "add");
    ipNetstack->RegisterNamespaceNode(IpNetstackInstanceRemove::New(), "remove");
    ipNetstack->RegisterNamespaceNode(IpNetstackInstanceGet::New(), "get");
    ipNetstack->RegisterNamespaceNode(IpNetstackInstanceSet::New(), "set");
    ip->RegisterNamespaceNode(ipNetstack, "netstack");
    auto ipHosts = NewNamespace("Operations pertaining to /etc/hosts");
    ipHosts->RegisterNamespaceNode(IpHostsList::New(), "list");
    ipHosts->RegisterNamespaceNode(IpHostsAdd::New(), "add");
    ipHosts->RegisterNamespaceNode(IpHostsRemove::New(), "remove");
    ip->RegisterNamespaceNode(ipHosts, "hosts");
}

void RegisterMulticastTree(const NodePtr& network) {
    auto multicast = NewNamespace("Operations having to do with multicast");
    network->RegisterNamespaceNode(multicast, "multicast");  // registered early
    auto multicastGroup = NewNamespace("Operations to list multicast groups");
    multicastGroup->RegisterNamespaceNode(MulticastGroupList::New(), "list");
    multicast->RegisterNamespaceNode(multicastGroup, "group");
}

void RegisterNicTree(const NodePtr& network) {
    auto nic = NewNamespace(
        "Operations having to do with the configuration of Network Interface Card and getting and updating the NIC "
        "settings.");
    nic->RegisterNamespaceNode(NicList::New(), "list");
    nic->RegisterNamespaceNode(NicUp::New(), "up");
    nic->RegisterNamespaceNode(NicGet::New(), "get");
    nic->RegisterNamespaceNode(NicSet::New(), "set");
    nic->RegisterNamespaceNode(NicDown::New(), "down");
    auto nicStats = NewNamespace("Get packet statistics for a NIC");
    nicStats->RegisterNamespaceNode(NicStatsGet::New(), "get");
    nic->RegisterNamespaceNode(nicStats, "stats");
    auto nicVlan = NewNamespace("Get VLAN information for a NIC");
    nic->RegisterNamespaceNode(nicVlan, "vlan");  // registered early
    auto nicVlanStats = NewNamespace("Commands to access VLAN statistics for a NIC");
    nicVlanStats->RegisterNamespaceNode(NicVlanStatsGet::New(), "get");
    nicVlanStats->RegisterNamespaceNode(NicVlanStatsSet::New(), "set");
    nicVlan->RegisterNamespaceNode(nicVlanStats, "stats");
    auto nicCoalesce = NewNamespace("Commands to access coalesce paramaters for a NIC");
    nic->RegisterNamespaceNode(nicCoalesce, "coalesce");  // early: its low and high children follow
    nicCoalesce->RegisterNamespaceNode(NicCoalesceGet::New(), "get");
    nicCoalesce->RegisterNamespaceNode(NicCoalesceSet::New(), "set");
    auto nicCoalesceLow = NewNamespace("Commands to access coalesce parameters for a NIC at low packet rate");
    nicCoalesceLow->RegisterNamespaceNode(NicCoalesceLowGet::New(), "get");
    nicCoalesceLow->RegisterNamespaceNode(NicCoalesceLowSet::New(), "set");
    nicCoalesce->RegisterNamespaceNode(nicCoalesceLow, "low");
    auto nicCoalesceHigh = NewNamespace("Commands to access coalesce parameters for a NIC at high packet rate");
    nicCoalesceHigh->RegisterNamespaceNode(NicCoalesceHighGet::New(), "get");
    nicCoalesceHigh->RegisterNamespaceNode(NicCoalesceHighSet::New(), "set");
    nicCoalesce->RegisterNamespaceNode(nicCoalesceHigh, "high");
    auto nicCso = NewNamespace("Commands to access checksum offload settings for a NIC");
    nicCso->RegisterNamespaceNode(NicCsoGet::New(), "get");
    nicCso->RegisterNamespaceNode(NicCsoSet::New(), "set");
    nic->RegisterNamespaceNode(nicCso, "cso");
    auto nicTso = NewNamespace("Commands to access TCP segmentation offload settings for a NIC");
    nicTso->RegisterNamespaceNode(NicTsoGet::New(), "get");
    nicTso->RegisterNamespaceNode(NicTsoSet::New(), "set");
    nic->RegisterNamespaceNode(nicTso, "tso");
    auto nicSg = NewNamespace("Commands to access scatter-gather settings for a NIC");
    nicSg->RegisterNamespaceNode(NicSgGet::New(), "get");
    nicSg->RegisterNamespaceNode(NicSgSet::New(), "set");
    nic->RegisterNamespaceNode(nicSg, "sg");
    auto nicPauseParams = NewNamespace("Commands to access pause parameters for a NIC");
    nicPauseParams->RegisterNamespaceNode(NicPauseParamsList::New(), "list");
    nicPauseParams->RegisterNamespaceNode(NicPauseParamsSet::New(), "set");
    nic->RegisterNamespaceNode(nicPauseParams, "pauseParams");
    auto nicRegister = NewNamespace("Commands to access registers for a NIC");
    nicRegister->RegisterNamespaceNode(NicRegisterDump::New(), "dump");
    nic->RegisterNamespaceNode(nicRegister, "register");
    auto nicEeprom = NewNamespace("Commands to access EEPROM for a NIC");
    nicEeprom->RegisterNamespaceNode(NicEepromDump::New(), "dump");
    nicEeprom->RegisterNamespaceNode(NicEepromChange::New(), "change");
    nic->RegisterNamespaceNode(nicEeprom, "eeprom");
    auto nicNegotiate = NewNamespace("Commands to access negotiation feature on a NIC");
    nicNegotiate->RegisterNamespaceNode(NicNegotiationRestart::New(), "restart");
    nic->RegisterNamespaceNode(nicNegotiate, "negotiate");
    auto nicSelftest = NewNamespace("Commands to access self test feature on a NIC");
    nicSelftest->RegisterNamespaceNode(NicSelfTestRun::New(), "run");
    nic->RegisterNamespaceNode(nicSelftest, "selftest");
    auto nicQueue = NewNamespace("Commands to access RX/TX netqueue features on a NIC");
    nic->RegisterNamespaceNode(nicQueue, "queue");  // registered early
    auto nicQueueLoadbalancer = NewNamespace("Commands to access load balancer features of netqueue");
    nicQueue->RegisterNamespaceNode(nicQueueLoadbalancer, "loadbalancer");  // registered early
    nicQueueLoadbalancer->RegisterNamespaceNode(NicQueueLbSettingList::New(), "list");
    nicQueueLoadbalancer->RegisterNamespaceNode(NicQueueLbSettingSet::New(), "set");
    auto nicQueueLoadbalancerState = NewNamespace("Commands to access load balancer state on a NIC");
    nicQueueLoadbalancerState->RegisterNamespaceNode(NicQueueLbStateList::New(), "list");
    nicQueueLoadbalancerState->RegisterNamespaceNode(NicQueueLbStateSet::New(), "set");
    nicQueueLoadbalancer->RegisterNamespaceNode(nicQueueLoadbalancerState, "state");
    auto nicQueueLoadbalancerPlugin = NewNamespace("Commands to access load balancer plugins on a NIC");
    nicQueueLoadbalancerPlugin->RegisterNamespaceNode(NicQueueLbPluginList::New(), "list");
    nicQueueLoadbalancerPlugin->RegisterNamespaceNode(NicQueueLbPluginSet::New(), "set");
    nicQueueLoadbalancer->RegisterNamespaceNode(nicQueueLoadbalancerPlugin, "plugin");
    auto nicQueueCount = NewNamespace("Commands to access netqueue count on a NIC");
    nicQueueCount->RegisterNamespaceNode(NicQueueCountGet::New(), "get");
    nicQueueCount->RegisterNamespaceNode(NicQueueCountSet::New(), "set");
    nicQueue->RegisterNamespaceNode(nicQueueCount, "count");
    auto nicQueueFilterclass = NewNamespace("Commands to access supported filter class");
    nicQueueFilterclass->RegisterNamespaceNode(NicQueueFilterClassList::New(), "list");
    nicQueue->RegisterNamespaceNode(nicQueueFilterclass, "filterclass");
    auto nicSoftware = NewNamespace("Commands to access NIC feature software simulation settings");
    nicSoftware->RegisterNamespaceNode(NicSoftwareList::New(), "list");
    nicSoftware->RegisterNamespaceNode(NicSoftwareSet::New(), "set");
    nic->RegisterNamespaceNode(nicSoftware, "software");
    auto nicRing = NewNamespace("Commands to access NIC RX/TX ring buffer parameters");
    auto nicRingPreset = NewNamespace("Commands to access preset maximums for NIC RX/TX ring buffer parameters.");
    nicRingPreset->RegisterNamespaceNode(NicRingPresetGet::New(), "get");
    nicRing->RegisterNamespaceNode(nicRingPreset, "preset");
    auto nicRingCurrent = NewNamespace("Commands to access current NIC RX/TX ring buffer parameters");
    nicRingCurrent->RegisterNamespaceNode(NicRingCurrentGet::New(), "get");
    nicRingCurrent->RegisterNamespaceNode(NicRingCurrentSet::New(), "set");
    nicRing->RegisterNamespaceNode(nicRingCurrent, "current");
    nic->RegisterNamespaceNode(nicRing, "ring");
    auto nicHwCap = NewNamespace("Commands to access hardware capabilities on a NIC.");
    auto nicHwCapSupported = NewNamespace("Commands to access supported hardware capabilities of physical NICs.");
    nicHwCapSupported->RegisterNamespaceNode(NicHwCapSupportedList::New(), "list");
    nicHwCap->RegisterNamespaceNode(nicHwCapSupported, "supported");
    auto nicHwCapActivated = NewNamespace("Commands to access activated hardware capabilities of physical NICs.");
    nicHwCapActivated->RegisterNamespaceNode(NicHwCapActivatedList::New(), "list");
    nicHwCap->RegisterNamespaceNode(nicHwCapActivated, "activated");
    nic->RegisterNamespaceNode(nicHwCap, "hwCap");
    auto nicDcb = NewNamespace("Commands regarding DCB (Data Center Bridging) protocol.");
    auto nicDcbStatus = NewNamespace("Status information for DCB (Data Center Briding) protocol.");
    nicDcbStatus->RegisterNamespaceNode(NicDcbStatusGet::New(), "get");
    nicDcb->RegisterNamespaceNode(nicDcbStatus, "status");
    nic->RegisterNamespaceNode(nicDcb, "dcb");
    auto nicAttachment = NewNamespace("Commands to access attachment info for a NIC.");
    nicAttachment->RegisterNamespaceNode(NicAttachmentAdd::New(), "add");
    nicAttachment->RegisterNamespaceNode(NicAttachmentRemove::New(), "remove");
    nicAttachment->RegisterNamespaceNode(NicAttachmentList::New(), "list");
    nic->RegisterNamespaceNode(nicAttachment, "attachment");
    network->RegisterNamespaceNode(nic, "nic");
}

void RegisterSriovnicTree(const NodePtr& network) {
    auto sriovnic = NewNamespace(
        "Operations having to do with the configuration of SRIOV enabled Network Interface Card and getting and "
        "updating the NIC settings.");
    sriovnic->RegisterNamespaceNode(SriovNicList::New(), "list");
    auto sriovnicVf = NewNamespace("Operations related to VFs of a SRIOV capable pNIC");
    sriovnicVf->RegisterNamespaceNode(VfList::New(), "list");
    sriovnicVf->RegisterNamespaceNode(VfStats::New(), "stats");
    sriovnic->RegisterNamespaceNode(sriovnicVf, "vf");
    network->RegisterNamespaceNode(sriovnic, "sriovnic");
}

NodePtr RegisterVswitchTree(const NodePtr& network) {
    auto vswitch = NewNamespace("Commands to list and manipulate Virtual Switches on an Talix host.");
    auto vswitchStandard = NewNamespace("Commands to list and manipulate Legacy Virtual Switches on an Talix host.");
    vswitchStandard->RegisterNamespaceNode(VirtualSwitchStandardAdd::New(), "add");
    vswitchStandard->RegisterNamespaceNode(VirtualSwitchStandardSet::New(), "set");
    vswitchStandard->RegisterNamespaceNode(VirtualSwitchStandardList::New(), "list");
    vswitchStandard->RegisterNamespaceNode(VirtualSwitchStandardRemove::New(), "remove");
    auto vswitchStandardUplink = NewNamespace("Commands to add and remove uplink on given virtual switch.");
    vswitchStandardUplink->RegisterNamespaceNode(VirtualSwitchStandardUplinkAdd::New(), "add");
    vswitchStandardUplink->RegisterNamespaceNode(VirtualSwitchStandardUplinkRemove::New(), "remove");
    vswitchStandard->RegisterNamespaceNode(vswitchStandardUplink, "uplink");
    auto vswitchStandardPolicy =
        NewNamespace("Commands to manipulate network policy settings governing the given virtual switch.");
    auto vswitchStandardPolicyShaping =
        NewNamespace("Commands to manipulate shaping policy setting for the given virtual switch.");
    vswitchStandardPolicyShaping->RegisterNamespaceNode(VirtualSwitchStandardPolicyShapingGet::New(), "get");
    vswitchStandardPolicyShaping->RegisterNamespaceNode(VirtualSwitchStandardPolicyShapingSet::New(), "set");
    vswitchStandardPolicy->RegisterNamespaceNode(vswitchStandardPolicyShaping, "shaping");
    auto vswitchStandardPolicySecurity =
        NewNamespace("Commands to manipulate security policy setting for the given virtual switch.");
    vswitchStandardPolicySecurity->RegisterNamespaceNode(VirtualSwitchStandardPolicySecurityGet::New(), "get");
    vswitchStandardPolicySecurity->RegisterNamespaceNode(VirtualSwitchStandardPolicySecuritySet::New(), "set");
    vswitchStandardPolicy->RegisterNamespaceNode(vswitchStandardPolicySecurity, "security");
    auto vswitchStandardPolicyFailover =
        NewNamespace("Commands to manipulate failover policy setting for the given virtual switch.");
    vswitchStandardPolicyFailover->RegisterNamespaceNode(VirtualSwitchStandardPolicyFailoverGet::New(), "get");
    vswitchStandardPolicyFailover->RegisterNamespaceNode(VirtualSwitchStandardPolicyFailoverSet::New(), "set");
    vswitchStandardPolicy->RegisterNamespaceNode(vswitchStandardPolicyFailover, "failover");
    vswitchStandard->RegisterNamespaceNode(vswitchStandardPolicy, "policy");
    auto vswitchStandardPortgroup = NewNamespace("Commands to list and manipulate Port Groups on an Talix host.");
    vswitchStandardPortgroup->RegisterNamespaceNode(VirtualSwitchPortGroupList::New(), "list");
    vswitchStandardPortgroup->RegisterNamespaceNode(VirtualSwitchPortGroupAdd::New(), "add");
    vswitchStandardPortgroup->RegisterNamespaceNode(VirtualSwitchPortGroupRemove::New(), "remove");
    vswitchStandardPortgroup->RegisterNamespaceNode(VirtualSwitchPortGroupSet::New(), "set");
    auto vswitchStandardPortgroupPolicy =
        NewNamespace("Commands to manipulate network policy settings governing the given portgroup.");
    auto vswitchStandardPortgroupPolicyShaping =
        NewNamespace("Commands to manipulate shaping policy setting for the given portgroup.");
    vswitchStandardPortgroupPolicyShaping->RegisterNamespaceNode(VirtualSwitchPortGroupPolicyShapingGet::New(), "get");
    vswitchStandardPortgroupPolicyShaping->RegisterNamespaceNode(VirtualSwitchPortGroupPolicyShapingSet::New(), "set");
    vswitchStandardPortgroupPolicy->RegisterNamespaceNode(vswitchStandardPortgroupPolicyShaping, "shaping");
    auto vswitchStandardPortgroupPolicyFailover =
        NewNamespace("Commands to manipulate failover policy setting for the given portgroup.");
    vswitchStandardPortgroupPolicyFailover->RegisterNamespaceNode(VirtualSwitchPortGroupPolicyFailoverGet::New(),
                                                                  "get");
    vswitchStandardPortgroupPolicyFailover->RegisterNamespaceNode(VirtualSwitchPortGroupPolicyFailoverSet::New(),
                                                                  "set");
    vswitchStandardPortgroupPolicy->RegisterNamespaceNode(vswitchStandardPortgroupPolicyFailover, "failover");
    auto vswitchStandardPortgroupPolicySecurity =
        NewNamespace("Commands to manipulate security policy setting for the given portgroup.");
    vswitchStandardPortgroupPolicySecurity->RegisterNamespaceNode(VirtualSwitchPortGroupPolicySecurityGet::New(),
                                                                  "get");
    vswitchStandardPortgroupPolicySecurity->RegisterNamespaceNode(VirtualSwitchPortGroupPolicySecuritySet::New(),
                                                                  "set");
    vswitchStandardPortgroupPolicy->RegisterNamespaceNode(vswitchStandardPortgroupPolicySecurity, "security");
    vswitchStandardPortgroup->RegisterNamespaceNode(vswitchStandardPortgroupPolicy, "policy");
    vswitchStandard->RegisterNamespaceNode(vswitchStandardPortgroup, "portgroup");
    vswitch->RegisterNamespaceNode(vswitchStandard, "standard");
    auto vswitchDvs = NewNamespace("Commands to retrieve Distributed Virtual Switch information");
    auto vswitchDvsNorvale = NewNamespace("Commands to retrieve Norvale Celdra Distributed Switch information");
    vswitchDvs->RegisterNamespaceNode(vswitchDvsNorvale, "norvale");  // early: its lacp child is added last
    vswitchDvsNorvale->RegisterNamespaceNode(VirtualSwitchDVSNorvaleList::New(), "list");
    vswitch->RegisterNamespaceNode(vswitchDvs, "dvs");
    network->RegisterNamespaceNode(vswitch, "vswitch");
    return vswitchDvsNorvale;
}

void RegisterFirewallTree(const NodePtr& network) {
    auto firewall = NewNamespace("A set of commands for firewall related operations");
    firewall->RegisterNamespaceNode(FirewallGet::New(), "get");
    firewall->RegisterNamespaceNode(FirewallSet::New(), "set");
    firewall->RegisterNamespaceNode(FirewallLoad::New(), "load");
    firewall->RegisterNamespaceNode(FirewallRefresh::New(), "refresh");
    firewall->RegisterNamespaceNode(FirewallUnload::New(), "unload");
    auto firewallRuleset = NewNamespace("Commands to list and update firewall ruleset configuration");
    firewallRuleset->RegisterNamespaceNode(FirewallRulesetList::New(), "list");
    firewallRuleset->RegisterNamespaceNode(FirewallRulesetSet::New(), "set");
    auto firewallRulesetClient = NewNamespace("Commands related to firewall ruleset clients");
    firewallRulesetClient->RegisterNamespaceNode(FirewallRulesetClientGet::New(), "get");
    firewallRulesetClient->RegisterNamespaceNode(FirewallRulesetClientAdd::New(), "add");
    firewallRulesetClient->RegisterNamespaceNode(FirewallRulesetClientRemove::New(), "remove");
    firewallRuleset->RegisterNamespaceNode(firewallRulesetClient, "client");
    auto firewallRulesetRule = NewNamespace("Commands to list rules in the ruleset");
    firewallRulesetRule->RegisterNamespaceNode(FirewallRulesetRuleList::New(), "list");
    firewallRuleset->RegisterNamespaceNode(firewallRulesetRule, "rule");
    auto firewallRulesetAllowedip = NewNamespace("Commands to list and add/remove allowedip on ruleset");
    firewallRulesetAllowedip->RegisterNamespaceNode(FirewallRulesetAllowedipList::New(), "list");
    firewallRulesetAllowedip->RegisterNamespaceNode(FirewallRulesetAllowedipAdd::New(), "add");
    firewallRulesetAllowedip->RegisterNamespaceNode(FirewallRulesetAllowedipRemove::New(), "remove");
    firewallRuleset->RegisterNamespaceNode(firewallRulesetAllowedip, "allowedip");
    firewall->RegisterNamespaceNode(firewallRuleset, "ruleset");
    network->RegisterNamespaceNode(firewall, "firewall");
}

void RegisterPortTree(const NodePtr& network) {
    auto port = NewNamespace("Commands to get information about a port");
    network->RegisterNamespaceNode(port, "port");  // registered early
    auto portStats = NewNamespace("Commands to get port statistics");
    portStats->RegisterNamespaceNode(PortStatsGet::New(), "get");
    port->RegisterNamespaceNode(portStats, "stats");
    auto portFilter = NewNamespace("Commands to get port filter information");
    port->RegisterNamespaceNode(portFilter, "filter");  // registered early
    auto portFilterStats = NewNamespace("Commands to get port filter statistics");
    portFilterStats->RegisterNamespaceNode(PortFilterStatsGet::New(), "get");
    portFilter->RegisterNamespaceNode(portFilterStats, "stats");
}

void RegisterVmTree(const NodePtr& network) {
    auto vm = NewNamespace("A set of commands for VM related operations");
    network->RegisterNamespaceNode(vm, "vm");  // registered early
    vm->RegisterNamespaceNode(VMList::New(), "list");
    auto vmPort = NewNamespace("Command to list ports of a given VM");
    vmPort->RegisterNamespaceNode(VMPortList::New(), "list");
    vm->RegisterNamespaceNode(vmPort, "port");
}

void RegisterEnsTree(const NodePtr& network) {
    auto ens =
        NewNamespace("Commands to list and manipulate Enhanced Networking Stack (ENS) feature on virtual switch.");
    auto ensMaxLcores = NewNamespace("Commands to access maximum number of ENS contexts.");
    ensMaxLcores->RegisterNamespaceNode(EnsMaxlcoresGet::New(), "get");
    ensMaxLcores->RegisterNamespaceNode(EnsMaxlcoresSet::New(), "set");
    ens->RegisterNamespaceNode(ensMaxLcores, "maxLcores");
    auto ensLcore = NewNamespace("Commands to list and manipulate ENS context parameters.");
    ensLcore->RegisterNamespaceNode(EnsLcoreAdd::New(), "add");
    ensLcore->RegisterNamespaceNode(EnsLcoreRemove::New(), "remove");
    ensLcore->RegisterNamespaceNode(EnsLcoreList::New(), "list");
    auto ensLcoreSwitch = NewNamespace("Commands to access switch associated with given ENS context.");
    ensLcoreSwitch->RegisterNamespaceNode(EnsLcoreSwitchGet::New(), "get");
    ensLcoreSwitch->RegisterNamespaceNode(EnsLcoreSwitchAdd::New(), "add");
    ensLcoreSwitch->RegisterNamespaceNode(EnsLcoreSwitchRemove::New(), "remove");
    ensLcore->RegisterNamespaceNode(ensLcoreSwitch, "switch");
    auto ensLcoreAffinity = NewNamespace("Commands to access affinity for a given ENS context.");
    ensLcoreAffinity->RegisterNamespaceNode(EnsLcoreAffinityGet::New(), "get");
    ensLcoreAffinity->RegisterNamespaceNode(EnsLcoreAffinitySet::New(), "set");
    ensLcore->RegisterNamespaceNode(ensLcoreAffinity, "affinity");
    ens->RegisterNamespaceNode(ensLcore, "lcore");
    network->RegisterNamespaceNode(ens, "ens");
}

// Added to the distributed switch namespace after every other subtree.
void RegisterLacpTree(const NodePtr& vswitchDvsNorvale) {
    auto vswitchDvsNorvaleLacp = NewNamespace("A set of commands for LACP related operations");
    auto vswitchDvsNorvaleLacpConfig = NewNamespace("Command to get LACP configuration");
    vswitchDvsNorvaleLacpConfig->RegisterNamespaceNode(LacpGetConfig::New(), "get");
    vswitchDvsNorvaleLacp->RegisterNamespaceNode(vswitchDvsNorvaleLacpConfig, "config");
    auto vswitchDvsNorvaleLacpStatus = NewNamespace("Command to get LACP port status");
    vswitchDvsNorvaleLacpStatus->RegisterNamespaceNode(LacpGetStatus::New(), "get");
    vswitchDvsNorvaleLacp->RegisterNamespaceNode(vswitchDvsNorvaleLacpStatus, "status");
    auto vswitchDvsNorvaleLacpStats = NewNamespace("Command to get LACP protocol statistics");
    vswitchDvsNorvaleLacpStats->RegisterNamespaceNode(LacpGetStats::New(), "get");
    vswitchDvsNorvaleLacp->RegisterNamespaceNode(vswitchDvsNorvaleLacpStats, "stats");
    auto vswitchDvsNorvaleLacpTimeout = NewNamespace("Command to set LACP LAG timeout");
    vswitchDvsNorvaleLacpTimeout->RegisterNamespaceNode(LacpSetTimeout::New(), "set");
    vswitchDvsNorvaleLacp->RegisterNamespaceNode(vswitchDvsNorvaleLacpTimeout, "timeout");
    vswitchDvsNorvale->RegisterNamespaceNode(vswitchDvsNorvaleLacp, "lacp");
}

}  // namespace
}  // namespace NetworkNamespace
}  // namespace NorvaleCli

extern "C" __attribute__((visibility("default"))) void AutoCli_RegisterNamespaces(
    std::shared_ptr<Parvik::AutoCli::NamespaceNode>& parent) {
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
