// Shell completion: the words that may follow a partial command line, and the
// scripts that hand a shell's completion over to talixcli.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "parvik/AutoCli.h"

namespace Parvik {
namespace AutoCli {

// The values a parameter that names host objects may take (the NICs for a NIC
// name, ...), asked of the plug-ins; empty when the parameter names none.
// commandPath is the command's path ("network nic get"), parameter its long name.
using ValueCompletion =
    std::function<std::vector<std::string>(const std::string& commandPath, const std::string& parameter)>;

// The words that may follow words (the complete words of a command line after
// the program name, not the one being typed), in the order a shell lists them.
// values is asked only for a parameter without values of its own (no
// enumeration, not boolean), and only when one is due.
std::vector<std::string> CompletionCandidates(NamespaceNode& root, const std::vector<std::string>& words,
                                              const ValueCompletion& values = nullptr);

// The value completion of loaded plug-in libraries: the hooks they export,
// looked up only now, so that start-up does not pay for them. Empty when no
// library offers values.
ValueCompletion PluginValueCompletion(const std::vector<void*>& libraryHandles);
// In-process callers (tests) that register plug-ins without loading them set
// the value completion here; an empty one restores the plug-ins'.
void SetValueCompletionOverride(ValueCompletion values);
const ValueCompletion& ValueCompletionOverride();

// The shells a completion script is printed for.
const std::vector<std::string>& CompletionShells();
// Prints the completion script for a shell of CompletionShells(); false for another.
bool PrintCompletionScript(std::ostream& out, const std::string& shell);

}  // namespace AutoCli
}  // namespace Parvik
