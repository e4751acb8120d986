// Bounded reads of kernel and system files.
#include "core/KernelFiles.h"

#include "FileIo.h"

namespace LinuxHost {

std::string ReadKernelFile(const std::string& path, size_t limit) {
    Talix::FileIo::ReadRules rules;
    rules.limit = limit;
    rules.followLinks = true;  // /sys is made of links
    std::string content;
    if (!Talix::FileIo::ReadFullFile(path, rules, content).Ok()) content.clear();
    return content;
}

}  // namespace LinuxHost
