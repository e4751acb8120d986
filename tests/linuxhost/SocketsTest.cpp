// Sockets, multicast groups and the host-wide IPv6 switch of the Linux host
// against the kernel: what talixcli lists is compared with `ss`, `ip maddr`
// and /proc, for sockets and groups the test opens itself.
#include <arpa/inet.h>
#include <fcntl.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sched.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <set>
#include <sstream>

#include "LinuxHostHarness.h"

namespace LinuxHostTest {
namespace {

// A socket closed at the end of the test.
class Socket {
public:
    Socket(int family, int type, int protocol = 0) : fd_(socket(family, type | SOCK_CLOEXEC, protocol)) {
        EXPECT_GE(fd_, 0) << "socket: " << strerror(errno);
    }
    ~Socket() { Close(); }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int Fd() const { return fd_; }
    void Close() {
        if (fd_ >= 0) close(fd_);
        fd_ = -1;
    }
    void Adopt(int fd) {
        Close();
        fd_ = fd;
    }

private:
    int fd_;
};

sockaddr_in Ipv4(const char* address, uint16_t port) {
    sockaddr_in socketAddress{};
    socketAddress.sin_family = AF_INET;
    socketAddress.sin_port = htons(port);
    inet_pton(AF_INET, address, &socketAddress.sin_addr);
    return socketAddress;
}

uint16_t PortOf(const Socket& socket) {
    sockaddr_in bound{};
    socklen_t size = sizeof bound;
    getsockname(socket.Fd(), reinterpret_cast<sockaddr*>(&bound), &size);
    return ntohs(bound.sin_port);
}

// A TCP listener on 127.0.0.1 at a port the kernel picks.
void Listen(const Socket& socket) {
    const sockaddr_in address = Ipv4("127.0.0.1", 0);
    ASSERT_EQ(bind(socket.Fd(), reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(socket.Fd(), 8), 0);
}

void Connect(const Socket& socket, uint16_t port) {
    const sockaddr_in address = Ipv4("127.0.0.1", port);
    ASSERT_EQ(connect(socket.Fd(), reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
}

std::string OwnName() {
    std::string name = MustSh("cat /proc/" + std::to_string(getpid()) + "/comm");
    return name.substr(0, name.find('\n'));
}

// `ss -H` lines as "STATE RECVQ SENDQ LOCAL FOREIGN" in the listing's words,
// a listener's send queue (its backlog) as 0 and a wildcard port as 0.
std::multiset<std::string> SsSockets(const std::string& options) {
    static const std::map<std::string, std::string> kWords = {
        {"LISTEN", "LISTEN"},         {"ESTAB", "ESTABLISHED"},     {"TIME-WAIT", "TIME_WAIT"},
        {"UNCONN", "CLOSED"},         {"CLOSE-WAIT", "CLOSE_WAIT"}, {"FIN-WAIT-1", "FIN_WAIT_1"},
        {"FIN-WAIT-2", "FIN_WAIT_2"}, {"SYN-SENT", "SYN_SENT"},     {"LAST-ACK", "LAST_ACK"}};
    std::multiset<std::string> sockets;
    std::istringstream lines(MustSh("ss -H " + options));
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string state, recvQ, sendQ, local, foreign;
        if (!(fields >> state >> recvQ >> sendQ >> local >> foreign)) continue;
        if (state == "LISTEN") sendQ = "0";
        if (foreign.size() > 2 && foreign.compare(foreign.size() - 2, 2, ":*") == 0)
            foreign.replace(foreign.size() - 1, 1, "0");
        sockets.insert(kWords.at(state) + " " + recvQ + " " + sendQ + " " + local + " " + foreign);
    }
    return sockets;
}

std::multiset<std::string> Listed(const nlohmann::json& rows, const std::string& protocolPrefix) {
    std::multiset<std::string> sockets;
    for (const auto& row : rows) {
        if (row["Proto"].get<std::string>().rfind(protocolPrefix, 0) != 0) continue;
        sockets.insert(row["State"].get<std::string>() + " " + std::to_string(row["Recv Q"].get<int64_t>()) + " " +
                       std::to_string(row["Send Q"].get<int64_t>()) + " " + row["Local Address"].get<std::string>() +
                       " " + row["Foreign Address"].get<std::string>());
    }
    return sockets;
}

const nlohmann::json* Row(const nlohmann::json& rows, const std::string& local, const std::string& foreign) {
    for (const auto& row : rows) {
        if (row["Local Address"] == local && row["Foreign Address"] == foreign) return &row;
    }
    return nullptr;
}

using Sockets = LinuxHost;

TEST_F(Sockets, ConnectionsAreTheKernelsWithTheirOwningProcess) {
    Socket listener(AF_INET, SOCK_STREAM), client(AF_INET, SOCK_STREAM), server(AF_INET, SOCK_STREAM);
    Listen(listener);
    const uint16_t port = PortOf(listener);
    Connect(client, port);
    server.Adopt(accept4(listener.Fd(), nullptr, nullptr, SOCK_CLOEXEC));
    ASSERT_EQ(write(client.Fd(), "hello", 5), 5);  // left unread: the server's receive queue
    // A closed connection waits in TIME_WAIT, held by no process.
    Socket closer(AF_INET, SOCK_STREAM), closed(AF_INET, SOCK_STREAM);
    Connect(closer, port);
    closed.Adopt(accept4(listener.Fd(), nullptr, nullptr, SOCK_CLOEXEC));
    const uint16_t closerPort = PortOf(closer);
    closer.Close();
    closed.Close();
    Socket udp6(AF_INET6, SOCK_DGRAM);
    sockaddr_in6 loopback6{};
    loopback6.sin6_family = AF_INET6;
    loopback6.sin6_addr = in6addr_loopback;
    loopback6.sin6_port = htons(5353);
    ASSERT_EQ(bind(udp6.Fd(), reinterpret_cast<sockaddr*>(&loopback6), sizeof loopback6), 0);
    Socket raw(AF_INET, SOCK_RAW, IPPROTO_ICMP);

    // Wait until the closing handshake has reached TIME_WAIT.
    MustSh("for i in $(seq 50); do ss -Htan state time-wait | grep -q . && exit 0; sleep 0.1; done; exit 1");
    const auto tcp = TalixJson("network ip connection list -t tcp");
    EXPECT_EQ(Listed(tcp, "tcp"), SsSockets("-tan")) << tcp.dump();
    const auto udp = TalixJson("network ip connection list -t udp");
    EXPECT_EQ(Listed(udp, "udp"), SsSockets("-uan")) << udp.dump();

    const std::string algorithm = MustSh("cat /proc/sys/net/ipv4/tcp_congestion_control");
    const std::string listening = "127.0.0.1:" + std::to_string(port);
    const std::string clientEnd = "127.0.0.1:" + std::to_string(PortOf(client));
    const auto* serverRow = Row(tcp, listening, clientEnd);
    ASSERT_NE(serverRow, nullptr) << tcp.dump();
    EXPECT_EQ((*serverRow)["Recv Q"], 5);
    EXPECT_EQ((*serverRow)["CC Algo"], algorithm.substr(0, algorithm.find('\n')));
    EXPECT_EQ((*serverRow)["World ID"], getpid());
    EXPECT_EQ((*serverRow)["World Name"], OwnName());
    const auto* waiting = Row(tcp, "127.0.0.1:" + std::to_string(closerPort), listening);
    ASSERT_NE(waiting, nullptr) << tcp.dump();
    EXPECT_EQ((*waiting)["State"], "TIME_WAIT");
    EXPECT_EQ((*waiting)["World ID"], 0);
    EXPECT_EQ((*waiting)["World Name"], "");
    const auto* udpRow = Row(udp, "[::1]:5353", "[::]:0");
    ASSERT_NE(udpRow, nullptr) << udp.dump();
    EXPECT_EQ((*udpRow)["Proto"], "udp6");
    EXPECT_EQ((*udpRow)["World ID"], getpid());

    // All kinds, TCP first; the raw socket named by its protocol.
    const auto all = TalixJson("network ip connection list");
    ASSERT_EQ(all.size(), tcp.size() + udp.size() + 1) << all.dump();
    EXPECT_EQ(all[0]["Proto"], "tcp");
    EXPECT_EQ(all.back()["Proto"], "icmp");
    EXPECT_EQ(all.back()["World ID"], getpid());
    EXPECT_EQ(all.back()["State"], "CLOSED");
}

// More sockets than one batch of links, in this process and in a child that
// shares them and holds one of its own: each has its owner, the lower
// process ID where two hold it.
TEST_F(Sockets, EveryOwnerIsFoundInALargeDescriptorTable) {
    std::vector<std::unique_ptr<Socket>> held;
    for (int i = 0; i < 700; ++i) {
        held.push_back(std::make_unique<Socket>(AF_INET, SOCK_DGRAM));
        const sockaddr_in address = Ipv4("127.0.0.1", 0);
        ASSERT_EQ(bind(held.back()->Fd(), reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    }
    int ready[2], release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(release[1]);  // or the release never reads as the end
        Socket own(AF_INET, SOCK_DGRAM);
        const sockaddr_in address = Ipv4("127.0.0.1", 5454);
        char byte = bind(own.Fd(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 ? 'y' : 'n';
        if (write(ready[1], &byte, 1) != 1 || read(release[0], &byte, 1) < 0) _exit(1);
        _exit(0);
    }
    close(ready[1]);
    close(release[0]);
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    const auto udp = TalixJson("network ip connection list -t udp");
    close(release[1]);
    waitpid(child, nullptr, 0);
    close(ready[0]);
    ASSERT_EQ(byte, 'y');

    // Process IDs wrap around (at 32768 by default): the child's may be the lower.
    const pid_t sharers = std::min(getpid(), child);
    size_t shared = 0;
    for (const auto& row : udp) {
        if (row["Local Address"] == "127.0.0.1:5454") {
            EXPECT_EQ(row["World ID"], child);
        } else if (row["World ID"] == sharers) {
            ++shared;
        }
    }
    EXPECT_EQ(shared, held.size()) << udp.dump();
    EXPECT_EQ(udp.size(), held.size() + 1);
}

TEST_F(Sockets, ANetstacksConnectionsAreItsNamespacesOwn) {
    MustSh("ip netns add sockstack && ip netns exec sockstack ip link set lo up");
    // A listener opened inside the namespace, held by this process.
    const int home = open("/proc/self/ns/net", O_RDONLY | O_CLOEXEC);
    const int other = open("/run/netns/sockstack", O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(setns(other, CLONE_NEWNET), 0);
    Socket inside(AF_INET, SOCK_STREAM);
    Listen(inside);
    ASSERT_EQ(setns(home, CLONE_NEWNET), 0);
    close(home);
    close(other);
    Socket outside(AF_INET, SOCK_STREAM);
    Listen(outside);

    const auto listed = TalixJson("network ip connection list -t tcp -N sockstack");
    ASSERT_EQ(listed.size(), 1u) << listed.dump();
    EXPECT_EQ(listed[0]["Local Address"], "127.0.0.1:" + std::to_string(PortOf(inside)));
    EXPECT_EQ(listed[0]["World ID"], getpid());
    EXPECT_EQ(TalixError("network ip connection list -N nosuchstack"),
              "Unable to get connection list.\nNetstack instance nosuchstack does not exist\n");
    MustSh("ip netns del sockstack");
}

TEST_F(Sockets, MulticastGroupsAreTheDevicesMemberships) {
    Veth("mc0", "mc1");
    MustSh("ip link property add dev mc0 altname lmx4 && ip link set mc0 up && ip link set mc1 up");
    MustSh("ip maddr add 01:80:c2:00:00:0e dev mc0");  // a link-layer address of no IP group
    // 239.1.2.3 joined twice: two users.
    Socket first(AF_INET, SOCK_DGRAM), second(AF_INET, SOCK_DGRAM);
    ip_mreqn join{};
    inet_pton(AF_INET, "239.1.2.3", &join.imr_multiaddr);
    join.imr_ifindex = static_cast<int>(if_nametoindex("mc0"));
    ASSERT_EQ(setsockopt(first.Fd(), IPPROTO_IP, IP_ADD_MEMBERSHIP, &join, sizeof join), 0);
    ASSERT_EQ(setsockopt(second.Fd(), IPPROTO_IP, IP_ADD_MEMBERSHIP, &join, sizeof join), 0);

    // ip maddr's groups ("inet 239.1.2.3 2") and link-layer addresses of mc0.
    std::set<std::string> groups, links;
    const auto shown = IpJson("maddr show dev mc0");
    for (const auto& entry : shown[0]["maddr"]) {
        if (entry.contains("link")) links.insert(entry["link"].get<std::string>());
        if (entry.contains("address")) {
            groups.insert(entry["address"].get<std::string>() + " " + std::to_string(entry.value("users", 1)));
        }
    }
    std::set<std::string> listedGroups, listedLinks;
    const auto listed = TalixJson("network multicast group list");
    for (const auto& row : listed) {
        if (row["Interface"] != "lmx4") continue;
        if (row["Group"] != "") {
            listedGroups.insert(row["Group"].get<std::string>() + " " + std::to_string(row["Refcount"].get<int>()));
        }
        if (row["Link Layer"] != "") listedLinks.insert(row["Link Layer"].get<std::string>());
        if (row["Group"] == "239.1.2.3") {
            EXPECT_EQ(row["Link Layer"], "01:00:5e:01:02:03");
        }
        if (row["Group"] == "") {
            EXPECT_EQ(row["Link Layer"], "01:80:c2:00:00:0e");
        }
    }
    EXPECT_EQ(listedGroups, groups) << listed.dump();
    EXPECT_EQ(listedLinks, links) << listed.dump();
    EXPECT_TRUE(groups.count("239.1.2.3 2")) << listed.dump();
}

TEST_F(Sockets, TheHostWideIpv6SwitchIsDisableIpv6OfAllAndDefault) {
    auto settings = [] {
        return MustSh("cat /proc/sys/net/ipv6/conf/all/disable_ipv6 /proc/sys/net/ipv6/conf/default/disable_ipv6");
    };
    ASSERT_EQ(settings(), "0\n0\n");
    const auto dryRun = Talix("--dry-run network ip set -e false");
    EXPECT_EQ(dryRun.status, 0) << dryRun.err;
    EXPECT_NE(dryRun.out.find("sysctl net.ipv6.conf.all.disable_ipv6=1"), std::string::npos) << dryRun.out;
    EXPECT_EQ(settings(), "0\n0\n");

    EXPECT_EQ(Talix("network ip set -e false").status, 0);
    EXPECT_EQ(settings(), "1\n1\n");
    EXPECT_EQ(TalixJson("network ip get")["IPv6 Enabled"], false);

    const std::map<std::string, std::string> environment = {{"TALIX_HOST", "linux"}, {"TALIX_HOST_ROOT", HostRoot()}};
    const Outcome refused = LinuxHostTest::Run(
        {"setpriv", "--bounding-set=-net_admin", TALIXCLI_BINARY, "network", "ip", "set", "-e", "true"}, environment);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("needs the CAP_NET_ADMIN capability"), std::string::npos) << refused.err;
    EXPECT_EQ(settings(), "1\n1\n");

    EXPECT_EQ(Talix("network ip set -e true").status, 0);
    EXPECT_EQ(settings(), "0\n0\n");
    EXPECT_EQ(TalixJson("network ip get")["IPv6 Enabled"], true);
}

}  // namespace
}  // namespace LinuxHostTest
