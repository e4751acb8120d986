// Help texts, the command listing and shell completion.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "parvik/AutoCli.h"

namespace Parvik {
namespace AutoCli {

// The description with "%ENUM%" and "%FULLENUM%" replaced by the constraint's values.
std::string ExpandEnumPlaceholders(const std::string& description,
                                   const CallSpec::ParameterConstraint* constraint);

void PrintNamespaceHelp(std::ostream& out, const std::string& path, const NamespaceNode& node,
                        bool isRoot);
void PrintCommandHelp(std::ostream& out, const std::string& path, Command& command);

// The words that may follow words (the command line after the program name).
std::vector<std::string> CompletionCandidates(NamespaceNode& root, const std::vector<std::string>& words);
void PrintBashCompletion(std::ostream& out);

}  // namespace AutoCli
}  // namespace Parvik
