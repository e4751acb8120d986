// The command lifecycle on a Linux host. The kernel holds the state and
// other programs change it at any time, so nothing is cached between
// commands and no lock is taken here.
#include <string>

#include "core/Changes.h"
#include "core/CommandScope.h"
#include "parvik/PluginHooks.h"

namespace {
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

// A dry run sends nothing: each change is planned instead, and the plan is
// what the dry run shows.
extern "C" void AutoCli_BeginTransaction(int dry) {
    LinuxHost::ForgetPlannedChanges();
    LinuxHost::SetPlanning(dry != 0);
}

// A batch whose line failed is dropped: the kernel has already made what
// the lines before it asked for, and this host cannot take that back yet,
// so it says what stays.
extern "C" const char* AutoCli_EndTransaction(int commit) {
    const bool planned = LinuxHost::Planning();
    LinuxHost::SetPlanning(false);
    if (commit || planned || LinuxHost::SentChanges().empty()) return nullptr;
    static std::string kept;
    kept = "the lines before it changed the kernel, and those changes stay (a Linux host cannot undo them yet): ";
    for (size_t i = 0; i < LinuxHost::SentChanges().size(); ++i) kept += (i ? "; " : "") + LinuxHost::SentChanges()[i];
    return kept.c_str();
}

extern "C" const char* AutoCli_DeferredFailure(int, int*) { return nullptr; }

// The planned changes, shown as lines added to "kernel": one per change.
extern "C" const char* AutoCli_TransactionChanges(void (*visit)(void*, const char*, const char*, size_t, int,
                                                                const char*, size_t, int),
                                                  void* context) {
    std::string plan;
    for (const auto& line : LinuxHost::PlannedChanges()) plan += line + "\n";
    if (!plan.empty()) visit(context, "kernel", "", 0, 0, plan.data(), plan.size(), 1);
    return nullptr;
}

extern "C" void AutoCli_BeginCompletion() {}

extern "C" const char* AutoCli_HostDescription() { return "Linux kernel host"; }
