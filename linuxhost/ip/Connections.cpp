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

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <sstream>
#include <system_error>
#include <thread>
#include <unordered_map>
#include <vector>

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

// Which process holds each socket inode open, found through the links under
// /proc/PID/fd; the lowest process ID wins when several share one. Reading
// ten thousand links costs more than the kernel's whole socket dump, so the
// reading starts on a thread of its own when a listing begins, while the
// kernel dumps the sockets, and the listing's thread joins in once its dump
// is done. Nothing is kept past the command.
class OwnerScan {
public:
    using Owners = std::unordered_map<uint32_t, int64_t>;

    OwnerScan() {
        try {
            worker_ = std::thread([this] { Work(worker_found_); });
        } catch (const std::system_error&) {
            // No thread to be had: Finish does all the work.
        }
    }
    ~OwnerScan() {
        stop_ = true;
        if (worker_.joinable()) worker_.join();
    }
    OwnerScan(const OwnerScan&) = delete;
    OwnerScan& operator=(const OwnerScan&) = delete;

    Owners Finish() {
        std::vector<Found> found;
        if (worker_.joinable()) {
            WaitUntilListed();
            ReadLinks(found);
            worker_.join();
        }
        if (!worker_done_) {  // no thread, or it ran out of memory: all of it here
            entries_.clear();
            next_ = 0;
            found.clear();
            worker_found_.clear();
            List(found);
            ReadLinks(found);
        }
        Owners owners;
        owners.reserve(found.size() + worker_found_.size());
        for (const auto* part : {&found, &worker_found_}) {
            for (const auto& [inode, pid] : *part) {
                auto [at, added] = owners.emplace(inode, pid);
                if (!added && pid < at->second) at->second = pid;
            }
        }
        return owners;
    }

private:
    struct Found {
        uint32_t inode;
        int64_t pid;
    };
    // A descriptor of a process whose link is still to be read.
    struct Entry {
        int folder;  // the process's open fd folder
        int fd;
        int64_t pid;
    };
    // Folders with few descriptors are read at once and closed; larger ones
    // are shared out, their folders kept open while that lasts (a bounded number).
    static constexpr size_t kSharedFolderSize = 64;
    static constexpr size_t kSharedFoldersHeld = 256;
    static constexpr size_t kBatch = 256;

    void Work(std::vector<Found>& found) {
        try {
            List(found);
            {
                std::lock_guard<std::mutex> lock(mutex_);
                listed_ = true;
            }
            listedChanged_.notify_all();
            ReadLinks(found);
            worker_done_ = true;
        } catch (...) {
            std::lock_guard<std::mutex> lock(mutex_);
            listed_ = true;  // Finish starts over on its own thread
            listedChanged_.notify_all();
        }
    }

    void WaitUntilListed() {
        std::unique_lock<std::mutex> lock(mutex_);
        listedChanged_.wait(lock, [this] { return listed_; });
    }

    // Every process's descriptors: small folders read here, large ones queued.
    void List(std::vector<Found>& found) {
        Talix::FileIo::UniqueFd proc(open("/proc", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        DIR* processes = proc ? fdopendir(proc.Get()) : nullptr;
        if (!processes) return;
        proc.Release();
        std::vector<int> fds;
        while (const dirent* process = readdir(processes)) {
            if (stop_) break;
            if (process->d_name[0] < '1' || process->d_name[0] > '9') continue;
            const int64_t pid = std::strtoll(process->d_name, nullptr, 10);
            Talix::FileIo::UniqueFd folder(openat(dirfd(processes), (std::string(process->d_name) + "/fd").c_str(),
                                                  O_RDONLY | O_DIRECTORY | O_CLOEXEC));
            if (!folder) continue;  // gone, or not ours to read
            fds.clear();
            ListDescriptors(folder.Get(), fds);
            if (fds.size() < kSharedFolderSize || folders_.size() >= kSharedFoldersHeld) {
                for (const int fd : fds) ReadLink(folder.Get(), fd, pid, found);
                continue;
            }
            for (const int fd : fds) entries_.push_back({folder.Get(), fd, pid});
            folders_.push_back(std::move(folder));
        }
        closedir(processes);
    }

    static void ListDescriptors(int folder, std::vector<int>& fds) {
        const int reading = dup(folder);
        DIR* entries = reading >= 0 ? fdopendir(reading) : nullptr;
        if (!entries) {
            if (reading >= 0) close(reading);
            return;
        }
        while (const dirent* entry = readdir(entries)) {
            if (entry->d_name[0] >= '0' && entry->d_name[0] <= '9') fds.push_back(std::atoi(entry->d_name));
        }
        closedir(entries);
    }

    static void ReadLink(int folder, int fd, int64_t pid, std::vector<Found>& found) {
        static const char kPrefix[] = "socket:[";
        char name[16], link[64];
        std::snprintf(name, sizeof name, "%d", fd);
        const ssize_t length = readlinkat(folder, name, link, sizeof link - 1);
        if (length <= static_cast<ssize_t>(sizeof kPrefix - 1) || std::memcmp(link, kPrefix, sizeof kPrefix - 1) != 0) {
            return;
        }
        link[length] = '\0';
        found.push_back({static_cast<uint32_t>(std::strtoul(link + sizeof kPrefix - 1, nullptr, 10)), pid});
    }

    // Takes batches of the queued descriptors until none are left.
    void ReadLinks(std::vector<Found>& found) {
        for (size_t first = next_.fetch_add(kBatch); first < entries_.size() && !stop_;
             first = next_.fetch_add(kBatch)) {
            const size_t end = std::min(first + kBatch, entries_.size());
            for (size_t i = first; i < end; ++i) ReadLink(entries_[i].folder, entries_[i].fd, entries_[i].pid, found);
        }
    }

    std::mutex mutex_;
    std::condition_variable listedChanged_;
    bool listed_ = false;
    std::atomic<bool> stop_{false};
    std::atomic<bool> worker_done_{false};
    std::vector<Talix::FileIo::UniqueFd> folders_;
    std::vector<Entry> entries_;  // written only before listed_, then read
    std::atomic<size_t> next_{0};
    std::vector<Found> worker_found_;
    std::thread worker_;
};

// The owners found for this command: a listing of every kind asks for each
// kind apart, and the /proc walk is done once.
struct CommandOwners {
    unsigned command = 0;
    bool read = false;
    OwnerScan::Owners owners;
};

CommandOwners& OwnersOfCommand() {
    static CommandOwners owners;
    return owners;
}

// Starts finding the owners, unless this command has found them already.
std::unique_ptr<OwnerScan> StartOwnerScan() {
    const CommandOwners& known = OwnersOfCommand();
    if (known.read && known.command == CurrentCommand()) return nullptr;
    return std::make_unique<OwnerScan>();
}

const OwnerScan::Owners& FinishOwnerScan(std::unique_ptr<OwnerScan> scan) {
    CommandOwners& known = OwnersOfCommand();
    if (scan) {
        known.owners = scan->Finish();
        known.command = CurrentCommand();
        known.read = true;
    }
    return known.owners;
}

// Which process owns each listed socket (by its inode; 0 for none).
void SetWorlds(std::vector<Kavrel::Network::TcpIpConnection>& connections, size_t first,
               const std::vector<uint32_t>& inodes, std::unique_ptr<OwnerScan> scan) {
    if (inodes.empty()) return;
    const auto& owners = FinishOwnerScan(std::move(scan));
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
    std::unique_ptr<OwnerScan> owners = StartOwnerScan();
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
    SetWorlds(connections, first, inodes, std::move(owners));
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
    SetWorlds(connections, first, inodes, StartOwnerScan());
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
