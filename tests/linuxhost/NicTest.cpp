// NIC commands on the running kernel, compared with what ip(8), ethtool(8)
// and sysfs report, and the kernel's refusals reaching the user with their
// reason. veth pairs and taps stand in for NICs (TALIX_LINUX_NICS).
#include <arpa/inet.h>
#include <linux/if_packet.h>
#include <net/ethernet.h>
#include <net/if.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>

#include "LinuxHostHarness.h"

namespace LinuxHostTest {
namespace {

class Nic : public LinuxHost {
protected:
    void SetUp() override {
        LinuxHost::SetUp();
        if (IsSkipped()) return;
        Veth("nv0", "nv1");
        Nics({"nv0"});
    }

    // The one record of a list command for nv0.
    nlohmann::json Only(const std::string& commandLine) {
        auto list = TalixJson(commandLine);
        EXPECT_TRUE(list.is_array() && list.size() == 1) << commandLine << ": " << list.dump();
        return list.is_array() && !list.empty() ? list[0] : nlohmann::json();
    }
};

// Sends count Ethernet frames out of device, below IP (nothing else sends then).
// The kernel raises a veth's carrier a moment after both ends are up;
// frames sent before that are dropped. Waits at most five seconds.
void AwaitCarrier(const std::string& device) {
    for (int tries = 0; tries < 500 && SysNet(device, "operstate") != "up"; ++tries) ::usleep(10000);
    ASSERT_EQ(SysNet(device, "operstate"), "up") << device << " has no carrier";
}

void SendFrames(const std::string& device, int count) {
    const int fd = ::socket(AF_PACKET, SOCK_RAW, htons(ETH_P_ALL));
    ASSERT_GE(fd, 0) << std::strerror(errno);
    sockaddr_ll address{};
    address.sll_family = AF_PACKET;
    address.sll_ifindex = static_cast<int>(if_nametoindex(device.c_str()));
    address.sll_halen = ETH_ALEN;
    unsigned char frame[60] = {0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0x02, 0, 0, 0, 0, 1, 0x88, 0xb5};
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(::sendto(fd, frame, sizeof frame, 0, reinterpret_cast<sockaddr*>(&address), sizeof address),
                  static_cast<ssize_t>(sizeof frame));
    }
    ::close(fd);
}

TEST_F(Nic, ListHoldsHardwareBackedAndNamedDevicesWithTheirState) {
    Tap("nt0");  // neither backed by hardware nor named: not a NIC
    auto nic = Only("network nic list");
    EXPECT_EQ(nic["Name"], "nv0");
    EXPECT_EQ(nic["Driver"], "veth");
    EXPECT_EQ(nic["PCI Device"], "Pseudo");
    EXPECT_EQ(nic["MAC Address"], SysNet("nv0", "address"));
    EXPECT_EQ(nic["MTU"], 1500);
    EXPECT_EQ(nic["Admin Status"], "Down");
    EXPECT_EQ(nic["Link Status"], "Down");
    EXPECT_EQ(nic["Speed"], 0);

    MustSh("ip link set nv0 mtu 1400 up && ip link set nv1 up");
    nic = Only("network nic list");
    EXPECT_EQ(nic["MTU"], 1400);
    EXPECT_EQ(nic["Admin Status"], "Up");
    EXPECT_EQ(nic["Link Status"], "Up");
    EXPECT_EQ(nic["Speed"], 10000);  // what ethtool reports for veth
    EXPECT_EQ(nic["Duplex"], "Full");
}

TEST_F(Nic, GetFillsWhatTheDriverHasAndLeavesOutTheRest) {
    auto info = TalixJson("network nic get -n nv0");
    EXPECT_EQ(info["Driver Info"]["Driver"], "veth");
    EXPECT_NE(MustSh("ethtool -i nv0").find("version: " + info["Driver Info"]["Version"].get<std::string>()),
              std::string::npos);
    EXPECT_EQ(info["Driver Info"]["Bus Info"], "N/A");
    EXPECT_EQ(info["Supports Pause"], false);  // veth has no pause parameters: left out, not an error
    EXPECT_EQ(info["Current Message Level"], -1);
    EXPECT_EQ(info["Cable Type"], "Twisted Pair");
    EXPECT_EQ(info["Link Status"], "Down");

    Tap("nt0");
    Nics({"nv0", "nt0"});
    MustSh("ethtool -s nt0 msglvl 0x21");
    EXPECT_EQ(TalixJson("network nic get -n nt0")["Current Message Level"], 0x21);
}

TEST_F(Nic, UpDownAndSettingsReachTheKernel) {
    EXPECT_EQ(TalixJson("network nic up -n nv0"), true);
    EXPECT_EQ(SysNet("nv0", "flags"), "0x1003");  // IFF_UP | IFF_BROADCAST | IFF_MULTICAST
    EXPECT_EQ(TalixJson("network nic down -n nv0"), true);
    EXPECT_EQ(SysNet("nv0", "flags"), "0x1002");

    EXPECT_EQ(TalixJson("network nic set -n nv0 --virtual-address 02:11:22:33:44:55"), true);
    EXPECT_EQ(SysNet("nv0", "address"), "02:11:22:33:44:55");

    Tap("nt0");
    Nics({"nv0", "nt0"});
    EXPECT_EQ(TalixJson("network nic set -n nt0 --message-level 5"), true);
    EXPECT_NE(MustSh("ethtool nt0").find("Current message level: 0x00000005 (5)"), std::string::npos);
}

// Several settings of one command are sent one by one: when the kernel
// refuses a later one (an all-zero address), those before it are taken back.
TEST_F(Nic, ARefusedSettingTakesBackTheOnesBeforeIt) {
    Tap("nt0");
    Nics({"nv0", "nt0"});
    const std::string before = MustSh("ethtool nt0; ip -j link show dev nt0");
    const std::string error =
        TalixError("network nic set -n nt0 --message-level 5 --virtual-address 00:00:00:00:00:00");
    EXPECT_NE(error.find("Cannot assign requested address"), std::string::npos) << error;
    EXPECT_EQ(MustSh("ethtool nt0; ip -j link show dev nt0"), before);
}

TEST_F(Nic, StatsAreTheKernelCounters) {
    Nics({"nv0", "nv1"});
    MustSh("sysctl -qw net.ipv6.conf.nv0.disable_ipv6=1 net.ipv6.conf.nv1.disable_ipv6=1");
    MustSh("ip link set nv0 up && ip link set nv1 up");
    AwaitCarrier("nv0");
    AwaitCarrier("nv1");
    SendFrames("nv0", 3);
    auto sent = Only("network nic stats get -n nv0");
    auto received = Only("network nic stats get -n nv1");
    const auto stats = IpJson("-s link show dev nv0")[0]["stats64"];
    EXPECT_EQ(sent["Packets sent"], stats["tx"]["packets"]);
    EXPECT_EQ(sent["Bytes sent"], stats["tx"]["bytes"]);
    EXPECT_EQ(sent["Packets received"], stats["rx"]["packets"]);
    EXPECT_EQ(sent["Packets sent"], 3);
    EXPECT_EQ(received["Packets received"], 3);
    EXPECT_EQ(received["Bytes received"], 180);
    EXPECT_EQ(received["Multicast packets received"], IpJson("-s link show dev nv1")[0]["stats64"]["rx"]["multicast"]);
}

// One feature as `ethtool --json -k` shows it: "on" or "off".
std::string Feature(const std::string& device, const std::string& feature) {
    const auto features = nlohmann::json::parse(MustSh("ethtool --json -k " + device))[0];
    return features[feature]["active"].get<bool>() ? "on" : "off";
}

TEST_F(Nic, OffloadsAreTheKernelFeatures) {
    auto cso = Only("network nic cso get -n nv0");
    EXPECT_EQ(cso["RX Checksum Offload"], Feature("nv0", "rx-checksumming"));
    EXPECT_EQ(cso["TX Checksum Offload"], Feature("nv0", "tx-checksumming"));
    // The features themselves: ethtool's groups may hold features the kernel
    // counts apart (tx-tcp-accecn-segmentation is no TSO to it).
    EXPECT_EQ(Only("network nic sg get -n nv0")["Value"], Feature("nv0", "tx-scatter-gather"));
    EXPECT_EQ(Only("network nic tso get -n nv0")["Value"], Feature("nv0", "tx-tcp-segmentation"));

    EXPECT_EQ(TalixJson("network nic tso set -n nv0 -e 0"), true);
    EXPECT_EQ(Feature("nv0", "tx-tcp-segmentation"), "off");
    EXPECT_EQ(Only("network nic tso get -n nv0")["Value"], "off");
    EXPECT_EQ(TalixJson("network nic sg set -n nv0 -e 0"), true);
    EXPECT_EQ(Feature("nv0", "tx-scatter-gather"), "off");
    EXPECT_EQ(Only("network nic sg get -n nv0")["Value"], "off");
    EXPECT_EQ(TalixJson("network nic cso set -n nv0 -e 0"), true);
    EXPECT_EQ(Feature("nv0", "rx-checksumming"), "off");
    EXPECT_EQ(Feature("nv0", "tx-checksumming"), "off");
    cso = Only("network nic cso get -n nv0");
    EXPECT_EQ(cso["RX Checksum Offload"], "off");
    EXPECT_EQ(cso["TX Checksum Offload"], "off");
}

// The kernel keeps an offload off while one it needs is off (and would still
// record the request: "off [requested on]"), or the driver has no switch for
// it: the command says so and changes nothing.
TEST_F(Nic, AnOffloadTheKernelDoesNotTakeIsRefused) {
    Tap("nt0");
    Nics({"nv0", "nt0"});
    const struct {
        const char* setUp;
        const char* command;
        const char* device;
        const char* message;
    } cases[] = {
        {"ethtool -K nv0 sg off", "network nic tso set -n nv0 -e 1", "nv0",
         "Cannot change TCP segmentation offload of nv0: the kernel keeps it off while scatter-gather is off\n"},
        {"ethtool -K nv0 sg on tx off", "network nic tso set -n nv0 -e 1", "nv0",
         "Cannot change TCP segmentation offload of nv0: the kernel keeps it off while TX checksum offload is off\n"},
        {"true", "network nic cso set -n nt0 -e 1", "nt0",
         "Cannot change RX checksum offload of nt0: Operation not supported\n"},
    };
    for (const auto& c : cases) {
        MustSh(c.setUp);
        const std::string before = MustSh(std::string("ethtool -k ") + c.device);
        EXPECT_EQ(TalixError(c.command), c.message) << c.command;
        EXPECT_EQ(MustSh(std::string("ethtool -k ") + c.device), before) << c.command;
    }
}

// A tap's driver coalesces RX frames only, and at most 64 of them.
TEST_F(Nic, CoalescingIsWhatTheDriverTakes) {
    Tap("nt0");
    Nics({"nt0"});
    MustSh("ethtool -C nt0 rx-frames 10");
    auto general = Only("network nic coalesce get -n nt0");
    EXPECT_EQ(general["RX maximum frames"], "10");
    EXPECT_EQ(general["RX microseconds"], "0");  // the driver has none (ethtool: n/a)
    EXPECT_EQ(general["Adaptive RX"], "Off");
    for (const char* rate : {"high", "low"}) {
        const auto atRate = TalixJson(std::string("network nic coalesce ") + rate + " get -n nt0");
        EXPECT_EQ(atRate["NIC"], "nt0");
        EXPECT_EQ(atRate["Packet rate"], 0);
        EXPECT_EQ(atRate["RX delay packets"], 0);
    }
    EXPECT_EQ(TalixJson("network nic coalesce set -n nt0 -R 20"), true);
    EXPECT_NE(MustSh("ethtool -c nt0").find("\nrx-frames: 20\n"), std::string::npos);
    EXPECT_EQ(Only("network nic coalesce get -n nt0")["RX maximum frames"], "20");

    // What the driver cannot take is refused, named, and nothing changes.
    const struct {
        const char* command;
        const char* message;
    } refused[] = {
        {"network nic coalesce set -n nt0 -R 100",
         "Cannot set RX maximum frames for the interrupt coalescing of nt0: the driver took 64, not 100"},
        {"network nic coalesce set -n nt0 -r 5 -R 20",
         "Cannot set RX microseconds for the interrupt coalescing of nt0: Operation not supported"},
        {"network nic coalesce set -n nt0 -a true -i 5",
         "Cannot set adaptive RX and the sample interval for the interrupt coalescing of nt0: Operation not "
         "supported"},
        {"network nic coalesce high set -n nt0 -p 9000 -R 3",
         "Cannot set the high packet rate and RX maximum frames at high rate for the interrupt coalescing of nt0: "
         "Operation not supported"},
        {"network nic coalesce low set -n nt0 -t 7",
         "Cannot set TX microseconds at low rate for the interrupt coalescing of nt0: Operation not supported"},
    };
    const std::string before = MustSh("ethtool -c nt0");
    for (const auto& c : refused) {
        EXPECT_EQ(TalixError(c.command), std::string(c.message) + "\n") << c.command;
        EXPECT_EQ(MustSh("ethtool -c nt0"), before) << c.command;
    }
}

// No device here has pause parameters; the listing says so, as ethtool does.
TEST_F(Nic, PauseParametersAreTheDriversWhereItHasThem) {
    const Outcome ethtool = Sh("ethtool -a nv0");
    ASSERT_NE(ethtool.status, 0);
    EXPECT_NE(ethtool.err.find("Operation not supported"), std::string::npos) << ethtool.err;
    const auto pause = Only("network nic pauseParams list -n nv0");
    EXPECT_EQ(pause["NIC"], "nv0");
    EXPECT_EQ(pause["Pause Params Supported"], false);
    EXPECT_EQ(pause["Pause RX"], false);
}

// SR-IOV NICs are those whose device has virtual functions in sysfs: none here.
TEST_F(Nic, SriovNicsAreWhatSysfsHas) {
    EXPECT_EQ(MustSh("cat /sys/class/net/*/device/sriov_totalvfs 2>/dev/null || true"), "");
    EXPECT_EQ(TalixJson("network sriovnic list"), nlohmann::json::array());
    for (const char* name : {"nv0", "nosuch0"}) {
        EXPECT_EQ(TalixError(std::string("network sriovnic vf list -n ") + name),
                  std::string("There is no SRIOV Nic with name ") + name + "\n");
    }
}

TEST_F(Nic, QueueCountsAreTheDriversChannels) {
    auto counts = Only("network nic queue count get -n nv0");
    EXPECT_EQ(counts["Rx netqueue count"], 1);
    EXPECT_EQ(TalixJson("network nic queue count set -n nv0 -r true -q 2"), true);
    EXPECT_NE(MustSh("ethtool -l nv0").find("Current hardware settings:\nRX:\t\t2"), std::string::npos);
    EXPECT_EQ(Only("network nic queue count get -n nv0")["Rx netqueue count"], 2);
    EXPECT_EQ(TalixError("network nic queue count set -n nv0 -r true -q 9"),
              "Cannot change the queue counts of nv0: Invalid argument\n");
}

// What the driver does not support is refused per operation, with the
// kernel's reason; what Linux has no counterpart of says so.
TEST_F(Nic, RefusalsNameTheOperationAndTheReason) {
    ExpectRefusals({
        {"network nic set -n nv0 --speed 1000 --duplex full",
         "Cannot force the speed and duplex of nv0: Operation not supported"},
        {"network nic coalesce get -n nv0", "Cannot read the interrupt coalescing of nv0: Operation not supported"},
        {"network nic coalesce set -n nv0 -R 3",
         "Cannot read the interrupt coalescing of nv0: Operation not supported"},
        {"network nic coalesce high get -n nv0",
         "Cannot read the interrupt coalescing of nv0: Operation not supported"},
        {"network nic coalesce low set -n nv0 -p 5",
         "Cannot read the interrupt coalescing of nv0: Operation not supported"},
        {"network nic ring current get -n nv0", "Cannot read the ring sizes of nv0: Operation not supported"},
        {"network nic ring preset get -n nv0", "Cannot read the ring sizes of nv0: Operation not supported"},
        {"network nic ring current set -n nv0 -r 256 -t 256",
         "Cannot change the ring sizes of nv0: Operation not supported"},
        {"network nic pauseParams set -n nv0 -r true",
         "Cannot change the pause parameters of nv0: Operation not supported"},
        {"network nic register dump -n nv0", "Cannot read the registers of nv0: Operation not supported"},
        {"network nic eeprom dump -n nv0", "Cannot read the EEPROM of nv0: Operation not supported"},
        {"network nic selftest run -n nv0", "Cannot run a self test of nv0: Operation not supported"},
        {"network nic negotiate restart -n nv0", "Cannot restart auto-negotiation of nv0: Operation not supported"},
        {"network nic dcb status get -n nv0", "Cannot read the DCB mode of nv0: Operation not supported"},
        {"network nic eeprom change -n nv0 -m 1 -o 0 -v 1",
         "Changing the EEPROM of nv0 is refused on a Linux host unless TALIX_LINUX_ALLOW_EEPROM_WRITE=1"},
        {"network nic hwCap supported list -n nv0", "Hardware capability lists have no equivalent on a Linux host"},
        {"network nic queue loadbalancer state set -n nv0 -e false",
         "NetQueue load balancers have no equivalent on a Linux host"},
    });
    const auto allowed =
        Talix("network nic eeprom change -n nv0 -m 1 -o 0 -v 1", {{"TALIX_LINUX_ALLOW_EEPROM_WRITE", "1"}});
    EXPECT_NE(allowed.err.find("Cannot change the EEPROM of nv0: Operation not supported"), std::string::npos)
        << allowed.err;
}

TEST_F(Nic, DevicesThatAreNoNicsAreUnknown) {
    for (const char* name : {"nv1", "lo", "nosuch0", "../nv0"}) {
        const std::string error = TalixError(std::string("network nic stats get -n ") + name);
        EXPECT_NE(error.find(name), std::string::npos) << error;
    }
}

}  // namespace
}  // namespace LinuxHostTest
