// What the shell says about itself and about a command line put together in
// the wrong way: its version and plug-ins, a missing plug-in, a framework
// option after the command path, and format parameters that fit no record.
#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "Dispatcher.h"

namespace Parvik {
namespace AutoCli {

// The environment variable that names the plug-in directory.
extern const char kPluginDirVariable[];
extern const char kHostVariable[];

// The plug-ins of the host that `host` (TALIX_HOST's value; unset or empty:
// the simulated host) names, below the plug-in folder: the Linux host's sit
// in its linux/ folder. False, with why, for a host the shell does not know.
bool HostPluginDirectory(const char* host, std::string& directory, std::string& problem);

// The folder of the file that holds the framework (talixcli, or the framework
// library), with a trailing slash; empty when it cannot be told.
std::string FrameworkDirectory();

// "talixcli VERSION", then each loaded plug-in with its path and namespaces,
// or where none was found and how to choose another directory.
void PrintVersion(std::ostream& out, const Dispatcher& dispatcher);

// Why a path word names nothing when the tree is empty: where no plug-in was
// found and how to choose another directory; empty when a plug-in loaded.
std::string MissingPluginText(const Dispatcher& dispatcher);

// When a word of a command's options (args[start..]) is a framework option
// the command does not have itself: a refusal saying where it belongs.
std::string MisplacedFrameworkOption(Command& command, const std::vector<std::string>& args, size_t start,
                                     const std::string& path);

// When args[at], a word where the command path goes on, is a framework
// option: a refusal saying where it belongs; empty for any other word.
std::string FrameworkOptionInPath(const std::vector<std::string>& args, size_t at);

// The first of the user's --format-param settings that fits none of the
// records the command renders, as a usage message; empty when all fit.
std::string CheckFormatParameters(Command& command, const std::vector<std::pair<std::string, std::string>>& parameters);

}  // namespace AutoCli
}  // namespace Parvik
