// Line differences of two texts in the unified format (three lines of
// context, as patch(1) reads it).
#pragma once

#include <optional>
#include <string>

namespace Parvik {
namespace AutoCli {

// The hunks that turn before into after ("@@ -l,n +l,n @@" headers, " ",
// "-" and "+" lines, "\ No newline at end of file" where a text does not end
// with one), or "" when the texts are equal. A minimal set of line changes;
// within a changed block removed lines come before added ones.
std::string DiffHunks(const std::string& before, const std::string& after);

// A whole file's difference: "--- a/PATH" and "+++ b/PATH" headers (a file
// that does not exist on one side is "/dev/null" there), then the hunks.
std::string UnifiedDiff(const std::string& path, const std::optional<std::string>& before,
                        const std::optional<std::string>& after);

}  // namespace AutoCli
}  // namespace Parvik
