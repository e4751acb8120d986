// talixcli: the host shell. Loads the plug-ins and runs one command line.
#include <fcntl.h>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "Dispatcher.h"
#include "FdStream.h"
#include "ShellInfo.h"

namespace {

// The largest threshold the allocator accepts on 64-bit hosts.
const int kLargestHeapBlock = 32 * 1024 * 1024;
// Address space the heap takes at once when a command starts: enough that the
// largest blocks of a big listing (a section's text of a hundred MB and more)
// come from the heap too, where what is freed is used again.
const int kHeapReserve = 768 * 1024 * 1024;
// The part of it offered transparent huge pages. Fresh huge pages are dear
// where the virtual machine's host backs the guest's free memory lazily, so
// only the first part, which every large listing uses, takes them.
const uintptr_t kHugePagePart = 64 * 1024 * 1024;
// The allocator's own padding of each growth of the heap.
const int kUsualTopPad = 128 * 1024;

// The directory of the running binary.
std::string ExecutableDirectory() {
    char buffer[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
    if (length <= 0) return ".";
    std::string path(buffer, static_cast<size_t>(length));
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

// The plug-ins built beside the binary, or those of an installed tree.
std::string DefaultPluginDirectory() {
    std::string here = ExecutableDirectory();
    std::string built = here + "/plugins";
    if (access(built.c_str(), F_OK) == 0) return built;
    return here + "/../" TALIX_INSTALLED_PLUGIN_DIR;
}

// A command that builds a large listing touches megabytes of fresh heap, one
// page fault per 4 KiB, and on a virtualised host a fault costs as much as
// thousands of instructions. The heap is grown ahead (address space only) and
// its part from the second 2 MiB boundary on is offered transparent huge
// pages: a large listing then takes a fault per 2 MiB, while a small command
// never reaches that part. Where the host has no huge pages nothing changes.
// The reserve is taken once: later growth asks for the usual padding, so that
// under a tight address-space limit a command fails no sooner than without it.
void PrepareHeapForCommand() {
    constexpr uintptr_t kHugePage = 2 << 20;
    // One command per process: large blocks (a section's text, a listing's
    // growing arrays) come from the heap instead of fresh mappings, so memory
    // freed along the way is used again instead of faulted in anew.
    mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
    // The heap is never shrunk back below what it was grown to.
    mallopt(M_TRIM_THRESHOLD, 2 * kHeapReserve);
    mallopt(M_TOP_PAD, kHeapReserve);
    const auto before = reinterpret_cast<uintptr_t>(sbrk(0));
    // More than the heap has left, so it grows by the reserve; small enough
    // that the allocator's bookkeeping stays below the huge-page part. Where
    // the reserve cannot be had, the heap stays as it was.
    void* volatile probe = malloc(kHugePage / 8);
    free(probe);
    mallopt(M_TOP_PAD, kUsualTopPad);
    const auto after = reinterpret_cast<uintptr_t>(sbrk(0));
    const uintptr_t start = ((before + kHugePage - 1) & ~(kHugePage - 1)) + kHugePage;
    if (after > start) madvise(reinterpret_cast<void*>(start), std::min(after - start, kHugePagePart), MADV_HUGEPAGE);
}

// A standard descriptor the caller closed is held by /dev/null, opened so that
// writing to it still fails: otherwise the first file a command opens (the
// host's lock, a state section) would take its number and receive the output.
void HoldClosedStandardDescriptors() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        int held = open("/dev/null", fd == STDERR_FILENO ? O_WRONLY : O_RDONLY);
        if (held >= 0 && held != fd) {
            dup2(held, fd);
            close(held);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    using Parvik::AutoCli::WriteAll;
    HoldClosedStandardDescriptors();
    Parvik::AutoCli::Dispatcher dispatcher;
    dispatcher.KeepOutputs();
    const char* configured = std::getenv(Parvik::AutoCli::kPluginDirVariable);
    std::string directory = configured && *configured ? configured : DefaultPluginDirectory();
    std::vector<std::string> loadErrors;
    dispatcher.LoadPlugins(directory, loadErrors);
    for (const auto& message : loadErrors) {
        std::string line = "Error: " + message + "\n";
        WriteAll(STDERR_FILENO, line.data(), line.size());
    }

    std::vector<std::string> args(argv + 1, argv + argc);
    std::string text;
    if (dispatcher.AnswerTreeQuery(args, text)) {
        if (WriteAll(STDOUT_FILENO, text.data(), text.size())) std::_Exit(EXIT_SUCCESS);
        Parvik::AutoCli::ReportWriteError(STDERR_FILENO, errno);
        std::_Exit(EXIT_FAILURE);
    }

    PrepareHeapForCommand();
    Parvik::AutoCli::FdStreamBuf outBuffer(STDOUT_FILENO);
    Parvik::AutoCli::FdStreamBuf errBuffer(STDERR_FILENO);
    std::ostream out(&outBuffer);
    std::ostream err(&errBuffer);
    err.setf(std::ios::unitbuf);
    int status = dispatcher.Run(args, out, err);
    status = Parvik::AutoCli::FinishOutput(outBuffer, STDERR_FILENO, status);
    err.flush();
    // Every change is already on disk and nothing else needs tearing down:
    // leave without destroying the command tree.
    std::_Exit(status);
}
