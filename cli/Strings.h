// Small string helpers the framework's units share.
#pragma once

#include <string>

namespace Parvik {
namespace AutoCli {

// Every occurrence of `what` in `text` replaced by `with`, left to right; the
// replacement itself is never searched again.
inline void ReplaceAll(std::string& text, const std::string& what, const std::string& with) {
    if (what.empty()) return;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size())) {
        text.replace(at, what.size(), with);
    }
}

}  // namespace AutoCli
}  // namespace Parvik
