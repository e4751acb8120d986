// Control of the simulated host for tests and tools.
#include "SimHostTesting.h"

#include "Backends.h"
#include "Faults.h"
#include "HostStore.h"

namespace SimHost {

void UseMemoryHost(const nlohmann::json& sections, const std::map<std::string, std::string>& files) {
    std::map<std::string, std::string> contents = files;
    for (const auto& section : sections.items()) {
        contents[HostStore::SectionPath(section.key())] = section.value().dump(1);
    }
    HostStore::Instance().UseBackend(std::make_unique<MemoryBackend>(contents));
}

void UseHostRoot(const std::string& root) { HostStore::Instance().UseBackend(MakeDirectoryBackend(root)); }

std::map<std::string, std::string> MemoryHostFiles() {
    auto* memory = dynamic_cast<MemoryBackend*>(&HostStore::Instance().GetBackend());
    return memory ? memory->Files() : std::map<std::string, std::string>{};
}

void InjectFault(const std::string& operation, const std::string& message) {
    HostStore::Instance().Update<FaultTable>([&](FaultTable& table) { table.byOperation[operation] = message; });
}

void ClearFaults() {
    HostStore::Instance().Update<FaultTable>([](FaultTable& table) { table.byOperation.clear(); });
}

}  // namespace SimHost

// The framework announces each command before it runs; a command that may
// change the host gets the exclusive lock from its first access, and its
// changes are written together when it ends.
extern "C" __attribute__((visibility("default"))) void AutoCli_BeginCommand(const char*, int changesHost) {
    SimHost::HostStore::Instance().SetMayChange(changesHost != 0);
    if (changesHost) SimHost::HostStore::Instance().BeginChanges();
}

// The framework announces the end of each command: what it changed is
// written now. Returns why that failed, or nullptr.
extern "C" __attribute__((visibility("default"))) const char* AutoCli_EndCommand(const char*) {
    static std::string problem;
    try {
        SimHost::HostStore::Instance().FinishChanges();
        return nullptr;
    } catch (const Kavrel::Lib::KavrelException& failure) {
        problem = failure.GetDescription();
    } catch (const std::exception& failure) {
        problem = failure.what();
    }
    return problem.c_str();
}

// The framework announces a shell completion, which reads host objects and
// must change nothing: a host root in use is read under its shared lock, and
// one not made yet is not made now (its names are those of the demo host it
// would be filled with).
extern "C" __attribute__((visibility("default"))) void AutoCli_BeginCompletion() {
    auto& store = SimHost::HostStore::Instance();
    const std::string root = store.GetBackend().RootDirectory();
    if (root.empty()) return;  // a host in memory is read as it is
    if (!SimHost::IsUnusedHostRoot(root)) {
        store.UseBackend(SimHost::MakeLookingDirectoryBackend(root));
        return;
    }
    std::map<std::string, std::string> files;
    for (const auto& file : SimHost::DemoHostFiles()) files[file.path] = file.content;
    store.UseBackend(std::make_unique<SimHost::MemoryBackend>(files));
}
