// Turns a command's output root into text in one of the framework's formats.
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "parvik/MetaObj.h"

namespace Parvik {
namespace Render {

// Output parameters in force for one run: the command's defaults overridden by
// the user's --format-param=KEY=VALUE settings.
using OutputParameters = std::map<std::string, std::string>;

struct RenderOptions {
    OutputParameters parameters;
    int terminalWidth = 80;  // used by "wrap-last"
};

// The formatter names the framework knows, in the order help lists them.
const std::vector<std::string>& FormatterNames();
bool IsKnownFormatter(const std::string& name);

// Writes root (which may be null: nothing is printed) in the named format.
// The caller has checked the name with IsKnownFormatter.
void RenderOutput(const std::string& formatter, const MetaObj::MetaObjectPtr& root, const RenderOptions& options,
                  std::ostream& out);

}  // namespace Render
}  // namespace Parvik
