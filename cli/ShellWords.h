// Splitting a batch of command lines into words, as a POSIX shell splits
// them but with no expansion of any kind.
#pragma once

#include <string>
#include <vector>

namespace Parvik {
namespace AutoCli {

// One command line of a batch.
struct BatchLine {
    size_t number = 0;  // line of the input where it starts, from 1
    std::string text;   // as written, without surrounding blanks
    std::vector<std::string> words;
    std::string error;  // why it cannot be split, or ""
};

// Splits input into command lines: a newline ends a command unless it is
// quoted or escaped. Words are separated by blanks and tabs; single quotes
// keep everything up to the next single quote, double quotes keep everything
// but '\' before '"', '\', '$', '`' or a newline; a '\' outside quotes keeps
// the next character (and drops a following newline). A '#' that starts a
// word starts a comment up to the end of the line. '$', '*', '~', ';', '|',
// '&', '<', '>' and the like are ordinary characters. Lines with no words are
// left out.
std::vector<BatchLine> SplitBatch(const std::string& input);

}  // namespace AutoCli
}  // namespace Parvik
