// Help texts and the command listing.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "parvik/AutoCli.h"

namespace Parvik {
namespace AutoCli {

// The description with "%ENUM%" and "%FULLENUM%" replaced by the constraint's values.
std::string ExpandEnumPlaceholders(const std::string& description, const CallSpec::ParameterConstraint* constraint);

void PrintNamespaceHelp(std::ostream& out, const std::string& path, const NamespaceNode& node, bool isRoot);
void PrintCommandHelp(std::ostream& out, const std::string& path, Command& command);

}  // namespace AutoCli
}  // namespace Parvik
