// Reading the small files the kernel and the system offer (/sys, /proc, the
// PCI ID list): regular files only, with a bound, never blocking.
#pragma once

#include <string>

namespace LinuxHost {

// The file's content; empty when it is missing, not a regular file, or
// larger than limit bytes.
std::string ReadKernelFile(const std::string& path, size_t limit = 65536);

}  // namespace LinuxHost
