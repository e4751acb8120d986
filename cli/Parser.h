// Command-line parsing and the checks the framework makes before a command runs.
#pragma once

#include <string>
#include <vector>

#include "parvik/CallSpec.h"

namespace Parvik {
namespace AutoCli {

struct ParseOutcome {
    bool helpRequested = false;
    std::string error;  // empty when the options were accepted
};

// Parses the command options args[start..] against spec into input, then checks
// required parameters, types and constraints. The first refusal wins.
ParseOutcome ParseCommandOptions(const CallSpec::InputSpec& spec, const std::vector<std::string>& args, size_t start,
                                 CallSpec::Input& input);

// Text the user typed, as a message shows it: quoted (unless quoted is false),
// at most 64 bytes of it in whole characters ("..." and the full length
// follow when it is longer), and control characters or bytes that are not
// UTF-8 written as \xNN, so that a message stays one readable line.
std::string ShowInput(const std::string& text, bool quoted = true);

// The candidates closest to a mistyped word, best first (at most three).
std::vector<std::string> ClosestNames(const std::string& word, const std::vector<std::string>& candidates);

// " Did you mean: a, b?" or empty.
std::string SuggestionText(const std::string& word, const std::vector<std::string>& candidates,
                           const std::string& prefix = "");

}  // namespace AutoCli
}  // namespace Parvik
