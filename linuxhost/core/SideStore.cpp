// The side store's part that differs from the simulated host's.
#include "core/SideStore.h"

#include <cstdlib>

#include "hoststore/Backends.h"

namespace SimHost {

// A new host root is filled with nothing: the kernel is the host, and the
// side store starts empty.
const std::vector<DemoFile>& DemoHostFiles() {
    static const std::vector<DemoFile> none;
    return none;
}

}  // namespace SimHost

namespace LinuxHost {

void UseSideStoreRoot() {
    static bool chosen = false;
    if (chosen) return;
    chosen = true;
    if (const char* root = std::getenv("TALIX_HOST_ROOT"); root && *root) return;
    SimHost::HostStore::Instance().UseBackend(SimHost::MakeDefaultDirectoryBackend("linux-host"));
}

}  // namespace LinuxHost
