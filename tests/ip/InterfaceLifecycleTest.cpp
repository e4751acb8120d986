// Interface add and remove through the framework on an in-memory host: what
// they store (fresh MACs, switch ports, connection IDs) and host failures
// (checks, tags, set and list are in the ipif-lifecycle transcript).
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "IpifFixture.h"

namespace {

using IpifTest::Host;
using IpifTest::Nic;
using nlohmann::json;

class InterfaceLifecycle : public IpifTest::IpifHostTest {
protected:
    void SetUp() override {
        IpifHostTest::SetUp();
        UseHost(Host({Nic("lmx0")}));
    }
};

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

TEST_F(InterfaceLifecycle, RemoveWithAFailingHostIsRefused) {
    InjectFault("LmxNicImpl::Remove", "busy");
    ExpectRefused("network ip interface remove -i lmx0", "Unable to remove Lumex network interface. Error was : busy");
}

}  // namespace
