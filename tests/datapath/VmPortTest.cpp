// VM and port listing and port counters through the framework on an in-memory host.

#include "DatapathFixture.h"

namespace DatapathTest {
namespace {

class VmPortTest : public DatapathHostTest {
protected:
    void SetUp() override {
        DatapathHostTest::SetUp();
        json web = {
            {"clientIpv4", "10.0.0.5"},
            {"teamUplink", "pnic1"},
            {"stats", json::parse(R"({"rxPackets": 10, "txPackets": 20, "rxBroadcast": 2, "rxMulticast": 3,
                        "txBroadcast": 4, "txMulticast": 5, "rxBytes": 1000, "txBytes": 2000, "rxDropped": 6,
                        "txDropped": 7})")},
            {"filters", json::array({Filter("fw", "b-fw", true, true, true), Filter("mon", "z-mon", true, false),
                                     Filter("fw", "b-fw", true, true, true), Filter("off", "a-off", false, false),
                                     Filter("ids", "c-ids", true, false, true)})}};
        json standard =
            json::array({StandardSwitch("vs0",
                                        json::array({VmPort(100, 501, "Guests", web), VmPort(101, 0, "Mgmt"),
                                                     VmPort(102, 777, "Guests", json::object(), json::array())}),
                                        json::array({"pnic1"}))});
        json distributed = json::parse(R"([{"name": "dvs0", "id": "aa bb", "dvports": [{"id": "7",
            "portgroupId": "dvpg-9", "clients": [{"clientName": "web.eth1", "portId": 200, "worldId": 501,
                                                  "macAddresses": ["00:50:7a:00:00:09"]}]}]}])");
        UseHost({{"vswitches", {{"vswitches", standard}}},
                 {"dvswitches", {{"dvswitches", distributed}}},
                 {"pnics", {{"pnics", json::array({{{"name", "pnic1"}}})}}},
                 {"datapath", {{"uplinkPorts", json::array({{{"pnic", "pnic1"}, {"portId", 40}}})}}},
                 {"connections",
                  Worlds(json::array({{{"id", 501}, {"name", "lead:web"}}, {{"id", 777}, {"name", "vm"}}}))}});
    }
};

// Every host failure on the way to a listing or a counter becomes the
// command's message (what they show is in the datapath-hosts transcript).
TEST_F(VmPortTest, HostFailuresBecomeMessages) {
    const struct {
        const char* operation;
        const char* command;
        const char* message;
    } cases[] = {
        {"PortImpl::GetWorldLeader", "network vm list", "Unable to list VM's: port table busy"},
        {"VirtualSwitchInfoImpl::GetAllSwitches", "network vm port list -w 501", "port table busy"},
        {"PortImpl::GetPacketStats", "network port stats get -p 100", "port table busy"},
        {"PortImpl::GetFilterStats", "network port filter stats get -p 100", "port table busy"},
    };
    for (const auto& c : cases) {
        SetUp();
        InjectFault(c.operation, "port table busy");
        ExpectRefused(c.command, c.message);
    }
}

}  // namespace
}  // namespace DatapathTest
