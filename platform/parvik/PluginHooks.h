// The unmangled entry points the framework finds by name (dlsym) in the
// libraries it loads, declared once: the definitions and the code that looks
// them up both include this header, so that a changed signature on either side
// fails to compile. The definitions are written extern "C" as well, so that one
// that strays from its declaration conflicts with it instead of adding a C++
// overload. The loader takes its pointer types from these declarations.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "parvik/Libraries.h"

namespace Parvik {
namespace AutoCli {
class NamespaceNode;
}
}  // namespace Parvik

#define TALIX_EXPORTED __attribute__((visibility("default")))

extern "C" {

// Every plug-in: registers its namespaces below parent.
TALIX_EXPORTED void AutoCli_RegisterNamespaces(std::shared_ptr<Parvik::AutoCli::NamespaceNode>& parent);

// Optional, around each command the framework runs: changesHost is 1 when the
// command is declared to change the host. EndCommand returns why the
// command's changes could not be written, or nullptr.
TALIX_EXPORTED void AutoCli_BeginCommand(const char* path, int changesHost);
TALIX_EXPORTED const char* AutoCli_EndCommand(const char* path);
// Optional: work a command left to run after its changes were written (host
// programs) that failed: the index-th failure's message, or nullptr after the
// last; *command gets the number of the command it belongs to (from 1).
TALIX_EXPORTED const char* AutoCli_DeferredFailure(int index, int* command);

// Optional: which host the plug-in's commands act on, in a few words
// ("simulated host"), for --version.
TALIX_EXPORTED const char* AutoCli_HostDescription();

// Optional, shell completion of parameters that name host objects: announced
// once (what follows only looks), then the values of one parameter of one
// command, each passed to add.
TALIX_EXPORTED void AutoCli_BeginCompletion();
TALIX_EXPORTED void AutoCli_CompleteValues(const char* path, const char* parameter,
                                           void (*add)(void* context, const char* value), void* context);

// Optional, several commands as one transaction (dryRun 1: shown, never
// written). EndTransaction (commit 0 drops the changes) and
// TransactionChanges return why they failed, or nullptr; TransactionChanges
// calls visit once per host file the transaction would change.
TALIX_EXPORTED void AutoCli_BeginTransaction(int dryRun);
TALIX_EXPORTED const char* AutoCli_EndTransaction(int commit);
TALIX_EXPORTED const char* AutoCli_TransactionChanges(void (*visit)(void* context, const char* path, const char* before,
                                                                    size_t beforeSize, int beforeExists,
                                                                    const char* after, size_t afterSize,
                                                                    int afterExists),
                                                      void* context);

// Optional, for a host that changes its state directly rather than through
// files: TransactionPlan calls visit once per change a dry run would make, as
// one line of text, in order, and returns why it failed or nullptr. BatchLine
// tells which batch line (from 1, as the batch file counts) runs next, so
// that a batch's stop message can name the lines it took back.
TALIX_EXPORTED const char* AutoCli_TransactionPlan(void (*visit)(void* context, const char* line), void* context);
TALIX_EXPORTED void AutoCli_BatchLine(int line);

// Libraries loaded on first use, so that no start loads a regular-expression
// engine. The framework's pattern library (cli/PatternMatcher.cpp): 1 when the
// pattern matches the whole value, 0 when not, -1 when it does not compile.
TALIX_EXPORTED int TalixMatchPattern(const char* pattern, size_t patternSize, const char* value, size_t valueSize);
// The network plug-in's uplink tokenizer (vswitch/UplinkTokenizer.cpp):
// appends the comma-separated names of value to names.
TALIX_EXPORTED void TalixSplitUplinks(const std::string* value, std::vector<std::string>* names);

}  // extern "C"

// For a plug-in's hooks: text a hook returns, kept until the hook that kept
// it returns text again.
inline const char* KeepHookText(const std::string& text) {
    static std::string kept;
    kept = text;
    return kept.c_str();
}

// An entry above as the library handle holds it, with the entry's own pointer
// type, or nullptr when the library does not export it (the loader's message
// then is taken and dropped: most entries are optional).
#define TALIX_FIND_ENTRY(handle, entry) \
    reinterpret_cast<decltype(&entry)>(Parvik::AutoCli::FindLibraryEntry(handle, #entry))
