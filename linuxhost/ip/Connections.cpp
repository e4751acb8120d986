// The sockets of a netstack (TCP, UDP and raw IP, IPv4 and IPv6) through
// sock_diag (raw sockets from /proc/net), with the process that owns each one as its world.
#include <arpa/inet.h>
#include <dirent.h>
#include <fcntl.h>
#include <linux/inet_diag.h>
#include <linux/sock_diag.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>
#include <unordered_map>

#include "FileIo.h"
#include "core/CommandScope.h"
#include "core/KernelFiles.h"
#include "core/Netlink.h"
#include "core/Netstack.h"
#include "kavrel/Lib.h"
#include "kavrel/NetworkInfo.h"
#include "lmxctl/Datapath.h"
#include "lmxctl/IpStack.h"

namespace LinuxHost {

namespace {

// The TCP state numbers the commands name (CLOSED 0 ... TIME_WAIT 10) by
// the kernel's own (TCP_ESTABLISHED 1 ... TCP_NEW_SYN_RECV 12). An
// unconnected UDP or raw socket is CLOSE in the kernel, so CLOSED here.
constexpr int kUnknownState = 11;      // shows as no state
constexpr uint8_t kKernelListen = 10;  // TCP_LISTEN
// A raw socket line is some 150 bytes: room for tens of thousands.
constexpr size_t kRawTableLimit = 16 << 20;
int StateNumber(uint8_t kernelState) {
    static const int kByKernelState[] = {kUnknownState, 4, 2, 3, 6, 9, 10, 0, 5, 8, 1, 7, 3};
    return kernelState < sizeof kByKernelState / sizeof kByKernelState[0] ? kByKernelState[kernelState] : kUnknownState;
}

// A raw socket's name is its IP protocol's (its "port" is the protocol number).
std::string RawProtocolName(uint16_t protocol, bool ipv6) {
    struct Name {
        uint16_t number;
        const char* name;
    };
    static const Name kNames[] = {{IPPROTO_ICMP, "icmp"}, {IPPROTO_IGMP, "igmp"},   {IPPROTO_TCP, "tcp"},
                                  {IPPROTO_UDP, "udp"},   {IPPROTO_GRE, "gre"},     {IPPROTO_ESP, "esp"},
                                  {IPPROTO_AH, "ah"},     {IPPROTO_ICMPV6, "icmp"}, {IPPROTO_PIM, "pim"},
                                  {IPPROTO_SCTP, "sctp"}, {IPPROTO_RAW, "raw"},     {112, "vrrp"}};
    std::string name = "ip" + std::to_string(protocol);
    for (const auto& known : kNames) {
        if (known.number == protocol) name = known.name;
    }
    return ipv6 ? name + "6" : name;
}

std::string AddressText(uint8_t family, const uint32_t* words) {
    char text[INET6_ADDRSTRLEN] = "";
    inet_ntop(family, words, text, sizeof text);
    return text;
}

// Sockets owned by no process (TIME_WAIT, half-open, closed but not freed)
// belong to no world: 0, as in the simulated host.
constexpr int64_t kNoWorld = 0;

// The process that holds each socket inode open, found through the links
// under /proc/PID/fd; the lowest process ID wins when several share one.
// Read once per command: a listing of every kind asks for each kind apart.
const std::unordered_map<uint32_t, int64_t>& SocketOwners() {
    static struct {
        unsigned command = 0;
        bool read = false;
        std::unordered_map<uint32_t, int64_t> owners;
    } cache;
    if (cache.read && cache.command == CurrentCommand()) return cache.owners;
    cache.owners.clear();
    cache.command = CurrentCommand();
    cache.read = true;
    DIR* proc = opendir("/proc");
    if (!proc) return cache.owners;
    static const char kPrefix[] = "socket:[";
    char link[64];
    while (const dirent* process = readdir(proc)) {
        if (process->d_name[0] < '1' || process->d_name[0] > '9') continue;
        const int64_t pid = std::strtoll(process->d_name, nullptr, 10);
        Talix::FileIo::UniqueFd fds(
            openat(dirfd(proc), (std::string(process->d_name) + "/fd").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (!fds) continue;  // gone, or not ours to read
        DIR* folder = fdopendir(fds.Get());
        if (!folder) continue;
        fds.Release();
        while (const dirent* fd = readdir(folder)) {
            if (fd->d_name[0] == '.') continue;
            const ssize_t length = readlinkat(dirfd(folder), fd->d_name, link, sizeof link - 1);
            if (length <= static_cast<ssize_t>(sizeof kPrefix - 1) ||
                std::memcmp(link, kPrefix, sizeof kPrefix - 1) != 0) {
                continue;
            }
            link[length] = '\0';
            // /proc lists processes in ascending order: the first holder is the lowest.
            cache.owners.emplace(static_cast<uint32_t>(std::strtoul(link + sizeof kPrefix - 1, nullptr, 10)), pid);
        }
        closedir(folder);
    }
    closedir(proc);
    return cache.owners;
}

// Which process owns each listed socket (by its inode; 0 for none).
void SetWorlds(std::vector<Kavrel::Network::TcpIpConnection>& connections, size_t first,
               const std::vector<uint32_t>& inodes) {
    if (inodes.empty()) return;
    const auto& owners = SocketOwners();
    for (size_t i = 0; i < inodes.size(); ++i) {
        auto found = inodes[i] == 0 ? owners.end() : owners.find(inodes[i]);
        connections[first + i].worldId = found == owners.end() ? kNoWorld : found->second;
    }
}

// TCP or UDP sockets, IPv4 then IPv6, from sock_diag.
void ListSockets(std::vector<Kavrel::Network::TcpIpConnection>& connections, const std::string& netstack,
                 uint8_t protocol, const char* name) {
    const size_t first = connections.size();
    std::vector<uint32_t> inodes;
    // The diag socket answers for the namespace it was opened in.
    std::unique_ptr<NetlinkSocket> diag;
    {
        InNetstack inside(netstack);
        diag = std::make_unique<NetlinkSocket>(NETLINK_SOCK_DIAG);
    }
    for (const uint8_t family : {AF_INET, AF_INET6}) {
        NetlinkRequest request(SOCK_DIAG_BY_FAMILY, NLM_F_REQUEST | NLM_F_DUMP);
        auto* ask = request.Put<inet_diag_req_v2>();
        ask->sdiag_family = family;
        ask->sdiag_protocol = protocol;
        ask->idiag_states = ~0u;
        if (protocol == IPPROTO_TCP) ask->idiag_ext = 1 << (INET_DIAG_CONG - 1);
        diag->Talk(request, [&](const nlmsghdr* message) {
            if (message->nlmsg_len < NLMSG_LENGTH(sizeof(inet_diag_msg))) return;
            const auto* socket = static_cast<const inet_diag_msg*>(NLMSG_DATA(message));
            Kavrel::Network::TcpIpConnection connection;
            connection.protocol = std::string(name) + (family == AF_INET6 ? "6" : "");
            connection.localAddress = AddressText(family, socket->id.idiag_src);
            connection.localPort = ntohs(socket->id.idiag_sport);
            connection.foreignAddress = AddressText(family, socket->id.idiag_dst);
            connection.foreignPort = ntohs(socket->id.idiag_dport);
            connection.state = StateNumber(socket->idiag_state);
            connection.recvQ = socket->idiag_rqueue;
            // A listening socket's "send queue" is its backlog limit, not a queue.
            connection.sendQ = socket->idiag_state == kKernelListen ? 0 : socket->idiag_wqueue;
            if (protocol == IPPROTO_TCP) {
                Attributes attributes(INET_DIAG_MAX);
                attributes.Parse(message, sizeof(inet_diag_msg));
                connection.ccAlgorithm = attributes.String(INET_DIAG_CONG);
            }
            connections.push_back(std::move(connection));
            inodes.push_back(socket->idiag_inode);
        });
    }
    diag.reset();
    SetWorlds(connections, first, inodes);
}

// An address as /proc/net writes it: the address's 32-bit words in hex, each
// as the kernel holds it in memory.
bool ProcAddress(const std::string& hex, uint8_t family, std::string& text) {
    const size_t words = family == AF_INET6 ? 4 : 1;
    if (hex.size() != words * 8) return false;
    uint32_t value[4] = {};
    for (size_t i = 0; i < words; ++i) {
        const std::string word = hex.substr(i * 8, 8);  // end points into it
        char* end = nullptr;
        value[i] = static_cast<uint32_t>(std::strtoul(word.c_str(), &end, 16));
        if (*end != '\0') return false;
    }
    text = AddressText(family, value);
    return true;
}

// Raw sockets, IPv4 then IPv6, from /proc/net/raw and raw6: every kernel has
// them, while the raw sockets' sock_diag module is often not built.
void ListRawSockets(std::vector<Kavrel::Network::TcpIpConnection>& connections, const std::string& netstack) {
    const size_t first = connections.size();
    std::vector<uint32_t> inodes;
    std::string tables[2];
    {
        InNetstack inside(netstack);
        // thread-self: the namespace of this thread, which InNetstack moved.
        tables[0] = ReadKernelFile("/proc/thread-self/net/raw", kRawTableLimit);
        tables[1] = ReadKernelFile("/proc/thread-self/net/raw6", kRawTableLimit);
    }
    for (const uint8_t family : {AF_INET, AF_INET6}) {
        std::istringstream lines(tables[family == AF_INET6 ? 1 : 0]);
        std::string line;
        std::getline(lines, line);  // the heading
        while (std::getline(lines, line)) {
            // "127: 0100007F:0001 00000000:0000 07 00000000:00000000 00:00000000 00000000 0 0 7495057 ..."
            std::istringstream fields(line);
            std::string slot, local, remote, state, queues, timer, retransmits, uid, timeout;
            uint32_t inode = 0;
            if (!(fields >> slot >> local >> remote >> state >> queues >> timer >> retransmits >> uid >> timeout >>
                  inode)) {
                continue;
            }
            const size_t localColon = local.find(':'), remoteColon = remote.find(':'), queueColon = queues.find(':');
            if (localColon == std::string::npos || remoteColon == std::string::npos ||
                queueColon == std::string::npos) {
                continue;
            }
            Kavrel::Network::TcpIpConnection connection;
            if (!ProcAddress(local.substr(0, localColon), family, connection.localAddress) ||
                !ProcAddress(remote.substr(0, remoteColon), family, connection.foreignAddress)) {
                continue;
            }
            // A raw socket's "port" is its IP protocol.
            connection.protocol =
                RawProtocolName(static_cast<uint16_t>(std::strtoul(local.substr(localColon + 1).c_str(), nullptr, 16)),
                                family == AF_INET6);
            connection.state = StateNumber(static_cast<uint8_t>(std::strtoul(state.c_str(), nullptr, 16)));
            connection.sendQ = static_cast<int64_t>(std::strtoul(queues.substr(0, queueColon).c_str(), nullptr, 16));
            connection.recvQ = static_cast<int64_t>(std::strtoul(queues.substr(queueColon + 1).c_str(), nullptr, 16));
            connections.push_back(std::move(connection));
            inodes.push_back(inode);
        }
    }
    SetWorlds(connections, first, inodes);
}

// A process's name, from /proc/PID/comm; empty when there is no such process.
std::string ProcessName(int64_t pid) {
    if (pid <= 0) return "";
    std::string name = ReadKernelFile("/proc/" + std::to_string(pid) + "/comm", 64);
    while (!name.empty() && name.back() == '\n') name.pop_back();
    return name;
}

}  // namespace

}  // namespace LinuxHost

namespace Kavrel {
namespace Network {

void NetworkInfo::GetCurrentTcpLumexConnections(std::vector<TcpIpConnection>& connections,
                                                const std::string& netstack) {
    LinuxHost::ListSockets(connections, netstack, IPPROTO_TCP, "tcp");
}

void NetworkInfo::GetCurrentUdpLumexConnections(std::vector<TcpIpConnection>& connections,
                                                const std::string& netstack) {
    LinuxHost::ListSockets(connections, netstack, IPPROTO_UDP, "udp");
}

void NetworkInfo::GetCurrentIpLumexConnections(std::vector<TcpIpConnection>& connections, const std::string& netstack) {
    LinuxHost::ListRawSockets(connections, netstack);
}

}  // namespace Network
}  // namespace Kavrel

// Worlds on a Linux host are processes, by process ID.
namespace LmxCtl {
namespace Resource {

ResourceInfoImpl::ResourceInfoImpl() = default;
ResourceInfoImpl::~ResourceInfoImpl() = default;
std::string ResourceInfoImpl::GetWorldName(int64_t worldId) { return LinuxHost::ProcessName(worldId); }

WorldImpl::WorldImpl(int64_t worldId) : worldId_(worldId) {}
WorldImpl::~WorldImpl() = default;
int64_t WorldImpl::GetWorldId() const { return worldId_; }
std::string WorldImpl::GetWorldName() const {
    std::string name = LinuxHost::ProcessName(worldId_);
    if (name.empty()) throw Kavrel::Lib::KavrelException("World " + std::to_string(worldId_) + " does not exist");
    return name;
}

}  // namespace Resource
}  // namespace LmxCtl
