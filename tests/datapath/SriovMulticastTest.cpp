// SR-IOV NICs and VFs, and multicast memberships, through the framework on an in-memory host.
#include "DatapathFixture.h"

namespace DatapathTest {
namespace {

class SriovTest : public DatapathHostTest {
protected:
    void SetUp() override {
        DatapathHostTest::SetUp();
        json pnics = json::parse(R"([{"name": "pnic0", "driver": "drv", "pciAddress": "0000:01:00.0",
            "vendorName": "Acme", "deviceName": "X1", "maxVfs": 4, "speed": 10000, "duplex": 1,
            "macAddress": "02:00:00:00:00:01", "mtu": 9000}, {"name": "pnic1", "driver": "drv"},
            {"name": "pnic2", "driver": "vdrv", "maxVfs": 2, "duplex": 2, "linkUp": false}])");
        json stats = json::object();
        const char* keys[] = {"rxUnicastPkts",   "rxUnicastBytes",   "rxMulticastPkts",    "rxMulticastBytes",
                              "rxBroadcastPkts", "rxBroadcastBytes", "rxOutOfBufferDrops", "rxErrorDrops",
                              "rxLroPkts",       "rxLroBytes",       "txUnicastPkts",      "txUnicastBytes",
                              "txMulticastPkts", "txMulticastBytes", "txBroadcastPkts",    "txBroadcastBytes",
                              "txErrors",        "txDiscards",       "txTsoPkts",          "txTsoBytes"};
        for (int i = 0; i < 20; ++i) stats[keys[i]] = 100 + i;
        json sriov = {{"pfs", json::array({{{"pnic", "pnic0"},
                                            {"vfs", json::array({{{"id", 0},
                                                                  {"active", true},
                                                                  {"pciAddress", "0000:01:10.0"},
                                                                  {"ownerWorldId", "501"},
                                                                  {"stats", stats}},
                                                                 {{"id", 3}, {"pciAddress", "0000:01:10.3"}}})}}})}};
        UseHost({{"pnics", {{"pnics", pnics}}}, {"sriov", sriov}});
    }
};

TEST_F(SriovTest, ListShowsOnlyCapableNicsAndPseudoDevices) {
    // pnic1 has no VFs; pnic2, without a PCI address, is a pseudo device.
    EXPECT_EQ(Root("network sriovnic list"), json::parse(R"([
        {"Name": "pnic0", "PCI Device": "0000:01:00.0", "Driver": "drv", "Link": "Up", "Speed": 10000,
         "Duplex": "Full", "MAC Address": "02:00:00:00:00:01", "MTU": 9000, "Description": "Acme X1"},
        {"Name": "pnic2", "PCI Device": "Pseudo", "Driver": "vdrv", "Link": "Down", "Speed": 0,
         "Duplex": "Half", "MAC Address": "00:00:00:00:00:00", "MTU": 1500, "Description": "Unknown Unknown"}])"));
}

TEST_F(SriovTest, VfListShowsEnabledVfsAndIsEmptyWithoutAny) {
    json vfs = Root("network sriovnic vf list -n pnic0");
    ASSERT_EQ(vfs.size(), 2u);
    EXPECT_EQ(vfs[0],
              json({{"VF ID", 0}, {"Active", true}, {"PCI Address", "0000:01:10.0"}, {"Owner World ID", "501"}}));
    EXPECT_EQ(vfs[1]["Active"], false);
    EXPECT_EQ(Root("network sriovnic vf list -n pnic2"), json::array());
}

TEST_F(SriovTest, VfStatsFillsCountersInDriverOrder) {
    json stats = Root("network sriovnic vf stats -n pnic0 -v 0");
    ASSERT_EQ(stats.size(), 1u);
    EXPECT_EQ(stats, json::parse(R"([{"NIC Name": "pnic0", "VF ID": 0,
        "Rx Unicast Pkt": 100, "Rx Unicast Bytes": 101, "Rx Multicast Pkts": 102, "Rx Multicast Bytes": 103,
        "Rx Broadcast Pkts": 104, "Rx Broadcast Bytes": 105, "Rx Out of Buffer drops": 106, "Rx Error drops": 107,
        "Rx LRO Pkts": 108, "Rx LRO Bytes": 109, "Tx Unicast Pkt": 110, "Tx Unicast Bytes": 111,
        "Tx Multicast Pkts": 112, "Tx Multicast Bytes": 113, "Tx Broadcast Pkts": 114, "Tx Broadcast Bytes": 115,
        "Tx Errors": 116, "Tx Discards": 117, "Tx TSO Pkts": 118, "Tx TSO Bytes": 119}])"));
}

TEST_F(SriovTest, NicsThatAreNotSriovCapableAreRefused) {
    for (const char* nic : {"pnic1", "pnic9"}) {
        const std::string expected = std::string("There is no SRIOV Nic with name ") + nic;
        ExpectRefused(std::string("network sriovnic vf list -n ") + nic, expected);
        ExpectRefused(std::string("network sriovnic vf stats -n ") + nic + " -v 0", expected);
    }
}

TEST_F(SriovTest, VfIdIsCheckedBeforeTheNic) {
    ExpectRefused("network sriovnic vf stats -n pnic9 -v -1", "Invalid vf id:-1 provided. vf id starts from 0");
}

TEST_F(SriovTest, HostRefusesVfsThatAreNotEnabledOrOutOfRange) {
    ExpectRefused("network sriovnic vf stats -n pnic0 -v 1", "VF 1 is not enabled on pnic0");
    for (const char* vf : {"4", "4294967296"}) {
        EXPECT_EQ(Run(std::string("network sriovnic vf stats -n pnic0 -v ") + vf).errors,
                  std::vector<std::string>({"VF " + std::string(vf) + " is out of range for pnic0: it has 4 VFs"}));
    }
}

TEST_F(SriovTest, HostFailuresBecomeMessages) {
    InjectFault("NetworkInfo::GetSriovNics", "PF table unavailable");
    ExpectRefused("network sriovnic list", "PF table unavailable");
    InjectFault("NetworkInfo::GetSriovNicVFInfo", "VF table unavailable");
    ExpectRefused("network sriovnic vf list -n pnic0", "VF table unavailable");
}

class MulticastTest : public DatapathHostTest {};

TEST_F(MulticastTest, OneRecordPerMembershipInInterfaceOrder) {
    json lmxnics = json::array(
        {{{"name", "lmx0"},
          {"multicast", json::array({{{"group", "224.0.0.1"}, {"linkLayer", "01:00:5e:00:00:01"}, {"refcount", 1}},
                                     {{"group", "224.0.0.251"}, {"linkLayer", "01:00:5e:00:00:fb"}, {"refcount", 3}},
                                     {{"group", "ff02::1"}, {"linkLayer", "33:33:00:00:00:01"}, {"refcount", 2}}})}},
         {{"name", "lmx1"}},
         {{"name", "lmx2"},
          {"multicast", json::array({{{"group", "224.0.0.1"}, {"linkLayer", "01:00:5e:00:00:01"}}})}}});
    UseHost({{"lmxnics", {{"lmxnics", lmxnics}}}});
    // A membership without a count has one.
    EXPECT_EQ(Root("network multicast group list"), json::parse(R"([
        {"Interface": "lmx0", "Refcount": 1, "Group": "224.0.0.1", "Link Layer": "01:00:5e:00:00:01"},
        {"Interface": "lmx0", "Refcount": 3, "Group": "224.0.0.251", "Link Layer": "01:00:5e:00:00:fb"},
        {"Interface": "lmx0", "Refcount": 2, "Group": "ff02::1", "Link Layer": "33:33:00:00:00:01"},
        {"Interface": "lmx2", "Refcount": 1, "Group": "224.0.0.1", "Link Layer": "01:00:5e:00:00:01"}])"));
}

TEST_F(MulticastTest, NoMembershipsGiveAnEmptyListAndFailuresAMessage) {
    UseHost({{"lmxnics", {{"lmxnics", json::array({{{"name", "lmx0"}}})}}}});
    EXPECT_EQ(Root("network multicast group list"), json::array());
    InjectFault("NetInterface::GetMulticastMemberships", "membership table busy");
    ExpectRefused("network multicast group list", "membership table busy");
}

}  // namespace
}  // namespace DatapathTest
