// Interface add, remove, set and list through the framework on an in-memory host.
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "IpifFixture.h"

namespace {

using IpifTest::Host;
using IpifTest::Nic;
using nlohmann::json;

const char kOnlyOne[] = "Only one connection point can be specified, vswitch port group or DVPort.";
const char kEitherOr[] =
    "A connection point of either vswitch port group name or dvs-name/dvport-id should be specified. If connection "
    "point is DVPort, --dvs-name and --dvport-id must be specified at the same time.";
const char kUniquely[] =
    "Please correctly and uniquely specify a way to remove it. A Lumex network interface can be uniquely specified by "
    "--interface-name or --portgroup-name or --dvs-name/--dvport-id. i.e. Providing its name or its connection point "
    "are two ways to uniquely specify a Lumex network interface.";

class InterfaceLifecycle : public IpifTest::IpifHostTest {
protected:
    void SetUp() override {
        IpifHostTest::SetUp();
        UseHost(Host({Nic("lmx0")}));
    }
};

TEST_F(InterfaceLifecycle, ConnectionPointRulesAndTheirOrder) {
    const std::pair<const char*, const char*> cases[] = {
        {"network ip interface add -p pg-b -s cds0 -P 5", kOnlyOne},
        {"network ip interface add", kEitherOr},
        {"network ip interface add -s cds0", kEitherOr},
        {"network ip interface add -p pg-b -P 5", kEitherOr},
        // the netstack is checked before the connection point
        {"network ip interface add -N nosuch", "The netstack nosuch does not exist."},
        {"network ip interface add -p pg-b -M 01:00:5e:00:00:01", "Invalid unicast MAC address specified."},
        {"network ip interface add -p nope",
         "Invalid vswitch port group name nope. Error was: Port group nope does not exist"},
        {"network ip interface add -s nope -P 5",
         "Unable to retrieve DVS info by specified DVS name nope. Error was: No DVSwitch with the name nope"},
        {"network ip interface add -s cds0 -P 77", "Invalid vswitch port group or DVPort parameters."},
        {"network ip interface remove -i lmx0 -P 5", kUniquely},
        {"network ip interface remove -i lmx0 -p pg-a", kUniquely},
        {"network ip interface remove -i lmx0 -s cds0", kUniquely},
        {"network ip interface remove", kUniquely},
        {"network ip interface remove -P 5", kEitherOr},
    };
    for (const auto& [command, message] : cases) ExpectRefused(command, message);
}

TEST_F(InterfaceLifecycle, AddOnPortGroupTakesNextNameFreshMacAndSwitchPort) {
    auto result = Run("network ip interface add -p pg-b");
    ASSERT_EQ(result.root, true) << json(result.errors);
    auto nic = FindNic("lmx1");
    ASSERT_FALSE(nic.is_null());
    std::string mac = nic["macAddress"];
    EXPECT_EQ(mac.substr(0, 3), "02:");  // locally administered
    // Not a system interface: a user's interface is listed and removable.
    EXPECT_EQ(json::array({nic["mtu"], nic["numRxQueue"], nic["portset"], nic["connectionPoint"]["portgroup"],
                           nic["tags"], nic["ipConfig"]["useIpv6RouterAdvertised"], nic["system"]}),
              json::array({1500, 1, "vs0", "pg-b", json::array(), true, false}));
    auto ports = Section("vswitches")["vswitches"][0]["ports"];
    ASSERT_EQ(ports.size(), 1u);
    EXPECT_EQ(json::array({ports[0]["clientName"], ports[0]["portId"]}), json::array({"lmx1", nic["portId"]}));

    ASSERT_EQ(Run("network ip interface add -p pg-b -i lmx7 -m 9000 -R 4 -M 02:00:00:00:00:07").root, true);
    nic = FindNic("lmx7");
    EXPECT_EQ(json::array({nic["macAddress"], nic["mtu"], nic["numRxQueue"]}),
              json::array({"02:00:00:00:00:07", 9000, 4}));
}

TEST_F(InterfaceLifecycle, HostRefusalsCarryTheAddPrefix) {
    ExpectRefused("network ip interface add -p pg-b -i lmx0",
                  "Unable to add Lumex network interface. Error was : A Lumex network interface named lmx0 already "
                  "exists");
    // The command gives a DVPort without a connection ID one before it adds
    // the interface there; when the add is refused, that ID stays (as on a
    // real host) and nothing else changes.
    const json interfaces = Section("lmxnics");
    const json switches = Root("network vswitch dvs norvale list");
    for (const auto& [command, port, reason] : std::vector<std::tuple<std::string, size_t, std::string>>{
             {"network ip interface add -s cds0 -P 6", 1, "DVPort 6 of DVSwitch cds0 is already in use"},
             {"network ip interface add -s cds0 -P 0", 2, "DVPort 0 is an uplink port"}}) {
        auto result = Run(command);
        EXPECT_TRUE(result.root.is_null()) << command;
        EXPECT_EQ(result.errors,
                  std::vector<std::string>{"Unable to add Lumex network interface. Error was : " + reason});
        EXPECT_EQ(Section("lmxnics"), interfaces) << command;
        EXPECT_EQ(Root("network vswitch dvs norvale list"), switches) << command;
        EXPECT_NE(Section("dvswitches")["dvswitches"][0]["dvports"][port]["connectionId"], 0) << command;
    }
    InjectFault("LumexNicInfoImpl::AddLumexNic", "out of interfaces");
    ExpectRefused("network ip interface add -p pg-b",
                  "Unable to add Lumex network interface. Error was : out of interfaces");
}

TEST_F(InterfaceLifecycle, AddOnDistributedPortRecordsItsConnection) {
    ASSERT_EQ(Run("network ip interface add -s cds0 -P 5").root, true);
    auto nic = FindNic("lmx1");
    auto port = Section("dvswitches")["dvswitches"][0]["dvports"][0];
    EXPECT_NE(port["connectionId"], 0);
    EXPECT_EQ(json::array({nic["portset"], nic["connectionPoint"]["type"], nic["connectionPoint"]["dvsUuid"],
                           nic["connectionPoint"]["connectionId"], port["clients"][0]["clientName"]}),
              json::array({"cds0", 2, "uuid-cds0", port["connectionId"], "lmx1"}));

    auto list = Run("network ip interface list").root;
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(json::array({list[1]["CDS Name"], list[1]["CDS Port"], list[1]["Portgroup"], list[1]["CDS Connection"]}),
              json::array({"cds0", "5", "N/A", port["connectionId"]}));
    // The interface's port ID is the ID of its switch port, so the port statistics find it.
    EXPECT_EQ(port["clients"][0]["portId"], nic["portId"]);
    auto stats = Run("network port stats get -p " + std::to_string(nic["portId"].get<int64_t>()));
    EXPECT_TRUE(stats.errors.empty());
    EXPECT_EQ(stats.root[0]["Port ID"], nic["portId"]);
}

TEST_F(InterfaceLifecycle, DedicatedNetstacksRetagAwayFromTheDefaultStack) {
    for (auto [netstack, tag, name] :
         {std::tuple{"travex", 2, "Migration"}, std::tuple{"faultTolerance", 3, "FaultTolerance"}}) {
        UseHost(Host({Nic("lmx0", "defaultTcpipStack", {tag, 1}), Nic("lmx3", netstack, {tag})}));
        auto result = Run(std::string("network ip interface add -p pg-b -N ") + netstack);
        ASSERT_EQ(result.root, true) << json(result.errors);
        EXPECT_EQ(FindNic("lmx1")["tags"], json::array({tag})) << netstack;
        EXPECT_EQ(FindNic("lmx0")["tags"], json::array({1})) << netstack;
        EXPECT_EQ(FindNic("lmx3")["tags"], json::array({tag})) << netstack;  // not on the default stack
        EXPECT_EQ(Run("network ip interface tag get -i lmx1").root["Tags"], json::array({name}));
    }
}

TEST_F(InterfaceLifecycle, DefaultStackAddTagsNothing) {
    ASSERT_EQ(Run("network ip interface add -p pg-b -N defaultTcpipStack").root, true);
    EXPECT_EQ(FindNic("lmx1")["tags"], json::array());
    EXPECT_EQ(FindNic("lmx1")["ipConfig"]["useIpv6RouterAdvertised"], true);
}

TEST_F(InterfaceLifecycle, ProvisioningStackRestartsTheDaemonAndCarriesOnWhenItFails) {
    UseHost(Host({Nic("lmx0")}), {{"etc/init.d/nfcd", "#!/bin/sh\n"}});
    auto started = Run("network ip interface add -p pg-b -N CeldraProvisioning");
    EXPECT_EQ(started.root, true);
    EXPECT_TRUE(started.errors.empty()) << json(started.errors);
    EXPECT_EQ(FindNic("lmx1")["tags"], json::array({6}));

    UseHost(Host({Nic("lmx0")}));  // no daemon script on this host
    auto failed = Run("network ip interface add -p pg-b -N CeldraProvisioning");
    EXPECT_EQ(failed.root, true);
    EXPECT_EQ(failed.errors, std::vector<std::string>{"Unable to start the NFC daemon. Take a look at "
                                                      "/var/log/nfcd.log for more information."});
    EXPECT_FALSE(FindNic("lmx1").is_null());
}

TEST_F(InterfaceLifecycle, RemoveByNameOrConnectionPointReleasesThePort) {
    ASSERT_EQ(Run("network ip interface add -p pg-b -i lmx2").root, true);
    ASSERT_EQ(Run("network ip interface add -s cds0 -P 5 -i lmx3").root, true);
    EXPECT_EQ(Run("network ip interface remove -i lmx2").root, true);
    EXPECT_TRUE(FindNic("lmx2").is_null());
    EXPECT_EQ(Section("vswitches")["vswitches"][0]["ports"], json::array());
    EXPECT_EQ(Run("network ip interface remove -s cds0 -P 5").root, true);
    EXPECT_TRUE(FindNic("lmx3").is_null());
    EXPECT_EQ(Section("dvswitches")["dvswitches"][0]["dvports"][0]["clients"], json::array());
    EXPECT_EQ(Run("network ip interface remove -p pg-a").root, true);
    EXPECT_EQ(Nics(), json::array());

    auto missing = Run("network ip interface remove -i lmx9");
    EXPECT_EQ(missing.root, false);
    EXPECT_EQ(missing.errors, std::vector<std::string>{"Unable to find Lumex network interface with the name lmx9"});
}

TEST_F(InterfaceLifecycle, RemoveOnAnotherNetstackOrWithAFailingHostIsRefused) {
    ExpectRefused("network ip interface remove -p pg-a -N travex",
                  "Unable to remove Lumex network interface. Error was : No Lumex network interface of netstack "
                  "travex is attached to port group pg-a");
    InjectFault("LmxNicImpl::Remove", "busy");
    ExpectRefused("network ip interface remove -i lmx0", "Unable to remove Lumex network interface. Error was : busy");
}

TEST_F(InterfaceLifecycle, SetChangesEnabledStateAndMtu) {
    EXPECT_EQ(Run("network ip interface set -i lmx0 -e false -m 9000").root, true);
    EXPECT_EQ(FindNic("lmx0")["enabled"], false);
    EXPECT_EQ(FindNic("lmx0")["mtu"], 9000);
    EXPECT_EQ(Run("network ip interface set -i lmx0 -m 0").root, true);  // 0: the host's default
    EXPECT_EQ(FindNic("lmx0")["mtu"], 1500);

    auto negative = Run("network ip interface set -i lmx0 -e true -m -1");
    EXPECT_TRUE(negative.root.is_null());
    EXPECT_EQ(negative.errors, std::vector<std::string>{"MTU size should be a positive value"});
    EXPECT_EQ(FindNic("lmx0")["enabled"], true);  // the earlier step stays
    EXPECT_EQ(FindNic("lmx0")["mtu"], 1500);

    ExpectRefused("network ip interface set -i lmx0 -m 9001", "MTU 9001 is out of range: 1280 to 9000");
    ExpectRefused("network ip interface set -i lmx5 -e true", "Unable to find an interface with name lmx5");
}

TEST_F(InterfaceLifecycle, ListTypeRulesAndConnectionKinds) {
    ExpectRefused("network ip interface list -t system -N travex",
                  "Invalid netstack value, should be 'defaultTcpipStack'.");
    ExpectRefused("network ip interface list -t other", "Invalid type value, should be 'system'.");

    auto detached = Nic("lmx1");
    detached["connectionPoint"] = {{"type", 0}};
    auto strange = Nic("lmx2", "travex");
    strange["connectionPoint"] = {{"type", 9}};
    strange["portId"] = -1;
    UseHost(Host({Nic("lmx0"), detached, strange}));
    auto result = Run("network ip interface list");
    ASSERT_EQ(result.root.size(), 3u);
    EXPECT_EQ(result.root[0]["Portgroup"], "pg-a");
    EXPECT_EQ(result.root[0]["Netstack Instance"], "defaultTcpipStack");
    EXPECT_EQ(result.root[0]["Port ID"], 7);
    for (int index : {1, 2}) {
        EXPECT_EQ(result.root[index]["Portset"], "N/A");
        EXPECT_EQ(result.root[index]["Netstack Instance"], "N/A");
        EXPECT_EQ(result.root[index]["CDS Connection"], -1);
    }
    EXPECT_EQ(result.errors,
              std::vector<std::string>{"Unknown ConnectionPoint type found in list of Lumex network interfaces."});
    EXPECT_EQ(Run("network ip interface list -N travex").root.size(), 1u);
}

TEST_F(InterfaceLifecycle, ListShowsOpaqueNetworksAndMissingDistributedSwitches) {
    auto opaque = Nic("lmx1");
    opaque["portset"] = "";
    opaque["connectionPoint"] = {
        {"type", 3}, {"opaqueNetworkId", "seg-1"}, {"opaqueNetworkType", "overlay"}, {"externalId", "att-1"}};
    auto orphan = Nic("lmx2");
    orphan["portset"] = "gone-cds";
    orphan["connectionPoint"] = {{"type", 2}, {"dvsUuid", "uuid-gone"}, {"dvPortId", "3"}, {"connectionId", 44}};
    UseHost(Host({opaque, orphan}));
    auto result = Run("network ip interface list");
    ASSERT_EQ(result.root.size(), 2u);
    const json& opaqueRow = result.root[0];
    const json& orphanRow = result.root[1];
    EXPECT_EQ(json::array({opaqueRow["Portset"], opaqueRow["Opaque Network ID"], opaqueRow["External ID"],
                           opaqueRow["CDS Connection"]}),
              json::array({"N/A", "seg-1", "att-1", -1}));
    EXPECT_EQ(json::array({orphanRow["CDS Name"], orphanRow["CDS UUID"], orphanRow["CDS Connection"]}),
              json::array({"N/A", "uuid-gone", 44}));
    EXPECT_EQ(result.errors, std::vector<std::string>{"Unable to access the associated CDS"});
}

}  // namespace
