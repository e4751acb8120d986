// Text utilities of the host-control library.
#pragma once

#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

namespace Kavrel {
namespace Misc {

// Concatenates the text forms of all arguments.
template <typename... Parts>
std::string StrCat(const Parts&... parts) {
    std::ostringstream stream;
    (void)std::initializer_list<int>{((stream << parts), 0)...};
    return stream.str();
}

// printf-style formatting into a string.
std::string StrPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Splits text at any of the separator characters; empty tokens are skipped.
void StringTokenize(const std::string& text, std::vector<std::string>& tokens, const std::string& separators);

}  // namespace Misc
}  // namespace Kavrel
