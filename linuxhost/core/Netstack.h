// Netstacks on a Linux host are network namespaces: the default netstack is
// the namespace talixcli runs in, and every other one is a namespace named
// under /run/netns (as `ip netns` names them).
#pragma once

#include <string>
#include <vector>

namespace LinuxHost {

bool IsDefaultNetstack(const std::string& key);
// The named namespaces, sorted; none when /run/netns does not exist.
std::vector<std::string> NamedNetstacks();
// Refuses, with the usual sentence, a netstack that does not exist.
void RequireNetstack(const std::string& key);

class NetlinkSocket;

// The route socket of the netstack's namespace, opened there on first use and
// kept for the rest of the process: a batch of route changes then costs one
// request and one answer a line. Kept by the namespace's identity, which a
// named netstack's file is asked for at each use, so that a namespace
// replaced under the same name gets a socket of its own.
NetlinkSocket& RouteSocket(const std::string& key);

// While it lives, new sockets belong to the netstack's namespace; the
// process returns to its own namespace when it ends.
class InNetstack {
public:
    explicit InNetstack(const std::string& key);
    ~InNetstack();
    InNetstack(const InNetstack&) = delete;
    InNetstack& operator=(const InNetstack&) = delete;

private:
    int home_ = -1;
};

}  // namespace LinuxHost
