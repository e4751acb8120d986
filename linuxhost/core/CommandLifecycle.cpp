// The command lifecycle on a Linux host. The kernel holds the state and
// other programs change it at any time, so nothing is cached between
// commands and no lock is taken here.
#include "core/CommandScope.h"
#include "parvik/PluginHooks.h"

namespace {
bool dryRun = false;
unsigned commandNumber = 0;
}  // namespace

namespace LinuxHost {
unsigned CurrentCommand() { return commandNumber; }
void StartNextCommand() { ++commandNumber; }
}  // namespace LinuxHost

extern "C" void AutoCli_BeginCommand(const char*, int) { LinuxHost::StartNextCommand(); }

extern "C" const char* AutoCli_EndCommand(const char*) {
    LinuxHost::StartNextCommand();
    return nullptr;
}

extern "C" void AutoCli_BeginTransaction(int dry) { dryRun = dry != 0; }

extern "C" const char* AutoCli_EndTransaction(int) {
    dryRun = false;
    return nullptr;
}

extern "C" const char* AutoCli_DeferredFailure(int, int*) { return nullptr; }

extern "C" const char* AutoCli_TransactionChanges(void (*)(void*, const char*, const char*, size_t, int, const char*,
                                                           size_t, int),
                                                  void*) {
    return nullptr;
}

extern "C" void AutoCli_BeginCompletion() {}

extern "C" const char* AutoCli_HostDescription() { return "Linux kernel host"; }
