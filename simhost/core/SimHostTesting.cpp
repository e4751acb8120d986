// Control of the simulated host for tests and tools.
#include "SimHostTesting.h"

#include "Backends.h"
#include "Faults.h"
#include "HostStore.h"

namespace SimHost {

void UseMemoryHost(const std::map<std::string, std::string>& sections,
                   const std::map<std::string, std::string>& files) {
    std::map<std::string, std::string> contents = files;
    for (const auto& section : sections) contents[HostStore::SectionPath(section.first)] = section.second;
    HostStore::Instance().UseBackend(std::make_unique<MemoryBackend>(contents));
}

void UseHostRoot(const std::string& root) { HostStore::Instance().UseBackend(MakeDirectoryBackend(root)); }

std::map<std::string, std::string> MemoryHostFiles() {
    auto* memory = dynamic_cast<MemoryBackend*>(&HostStore::Instance().GetBackend());
    return memory ? memory->Files() : std::map<std::string, std::string>{};
}

void EndDryRunForTesting() { ClearDryRunLatch(); }

void InjectFault(const std::string& operation, const std::string& message) {
    HostStore::Instance().Update<FaultTable>([&](FaultTable& table) { table.byOperation[operation] = message; });
}

void ClearFaults() {
    HostStore::Instance().Update<FaultTable>([](FaultTable& table) { table.byOperation.clear(); });
}

}  // namespace SimHost
