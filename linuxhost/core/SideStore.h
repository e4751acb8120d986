// What the Linux host keeps that the kernel has no place for (interface
// tags): a small side store under TALIX_HOST_ROOT, kept by the same store
// code as the simulated host's (its lock, transactions, dry runs and atomic
// commit). Only the side store is locked, never kernel state; the command
// lifecycle (CommandLifecycle.cpp) drives it as the simulated host's is.
#pragma once

#include <string>
#include <vector>

#include "hoststore/HostStore.h"

namespace LinuxHost {

// Points the store at the side store's root, once per process: TALIX_HOST_ROOT,
// or else a default root of its own (talix/linux-host beside the simulated
// host's talix/host), so that using the Linux host never turns a simulated
// host's unused default root into an empty host. Reads nothing.
void UseSideStoreRoot();

// The tags of one interface, by its interface name (lmxN).
struct InterfaceTagsModel {
    std::string interface;
    std::vector<int> tags;  // in the order they were added
};
TALIX_MODEL(InterfaceTagsModel, interface, tags)

struct InterfaceTagTable {
    static constexpr const char* kSection = "linux-interface-tags";
    std::vector<InterfaceTagsModel> interfaces;
};
TALIX_MODEL(InterfaceTagTable, interfaces)

}  // namespace LinuxHost
