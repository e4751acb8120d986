// Netstacks as network namespaces.
#include "core/Netstack.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <sched.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <memory>
#include <utility>

#include "FileIo.h"
#include "core/Netlink.h"
#include "kavrel/Lib.h"
#include "lmxctl/IpStack.h"

namespace LinuxHost {

using Kavrel::Lib::KavrelException;

namespace {

const char kNamespaceFolder[] = "/run/netns/";

// A name `ip netns` could have made: never a path of its own.
bool IsNamespaceName(const std::string& key) {
    return !key.empty() && key.size() <= 255 && key != "." && key != ".." && key.find('/') == std::string::npos &&
           key.find('\0') == std::string::npos;
}

// Whether the entry of /run/netns is a namespace: one whose namespace is
// gone (an empty file left behind) or a folder is no netstack.
bool IsNamespaceEntry(const std::string& key) {
    struct statfs system {};
    return statfs((kNamespaceFolder + key).c_str(), &system) == 0 && system.f_type == NSFS_MAGIC;
}

[[noreturn]] void NoSuchNetstack(const std::string& key) {
    throw KavrelException("Netstack instance " + key + " does not exist");
}

// How many InNetstack scopes the process is inside: outside all of them it
// is in its own namespace.
int enteredNetstacks = 0;

using NamespaceIdentity = std::pair<dev_t, ino_t>;

NamespaceIdentity IdentityOfFile(const char* path, const std::string& key) {
    struct stat status {};
    if (stat(path, &status) != 0) NoSuchNetstack(key);
    return {status.st_dev, status.st_ino};
}

// The namespace a key names now. The process's own one is asked for once;
// inside another netstack the default key names the current namespace, as
// InNetstack does.
NamespaceIdentity IdentityOf(const std::string& key) {
    if (IsDefaultNetstack(key)) {
        if (enteredNetstacks > 0) return IdentityOfFile("/proc/self/ns/net", key);
        static const NamespaceIdentity own = IdentityOfFile("/proc/self/ns/net", key);
        return own;
    }
    if (!IsNamespaceName(key)) NoSuchNetstack(key);
    return IdentityOfFile((kNamespaceFolder + key).c_str(), key);
}

}  // namespace

NetlinkSocket& RouteSocket(const std::string& key) {
    static std::map<NamespaceIdentity, std::unique_ptr<NetlinkSocket>> sockets;
    auto& socket = sockets[IdentityOf(key)];
    if (!socket) {
        InNetstack inside(key);
        socket = std::make_unique<NetlinkSocket>(NETLINK_ROUTE);
    }
    return *socket;
}

bool IsDefaultNetstack(const std::string& key) { return key == LmxCtl::Network::kDefaultNetstackKey; }

std::vector<std::string> NamedNetstacks() {
    std::vector<std::string> names;
    DIR* folder = opendir(kNamespaceFolder);
    if (!folder) return names;
    while (const dirent* entry = readdir(folder)) {
        const std::string name = entry->d_name;
        if (name == "." || name == ".." || !IsNamespaceEntry(name)) continue;
        names.push_back(name);
    }
    closedir(folder);
    std::sort(names.begin(), names.end());
    return names;
}

void RequireNetstack(const std::string& key) {
    if (IsDefaultNetstack(key)) return;
    if (!IsNamespaceName(key) || !IsNamespaceEntry(key)) NoSuchNetstack(key);
}

InNetstack::InNetstack(const std::string& key) {
    if (IsDefaultNetstack(key)) return;
    if (!IsNamespaceName(key)) NoSuchNetstack(key);
    Talix::FileIo::UniqueFd target(
        open((kNamespaceFolder + key).c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    struct statfs system {};
    if (!target || fstatfs(target.Get(), &system) != 0 || system.f_type != NSFS_MAGIC) NoSuchNetstack(key);
    Talix::FileIo::UniqueFd home(open("/proc/self/ns/net", O_RDONLY | O_CLOEXEC));
    if (!home || setns(target.Get(), CLONE_NEWNET) != 0) {
        throw KavrelException("Cannot enter netstack instance " + key + ": " + std::strerror(errno));
    }
    home_ = home.Release();
    ++enteredNetstacks;
}

InNetstack::~InNetstack() {
    if (home_ < 0) return;
    setns(home_, CLONE_NEWNET);
    --enteredNetstacks;
    Talix::FileIo::UniqueFd(home_).Reset();
}

}  // namespace LinuxHost
