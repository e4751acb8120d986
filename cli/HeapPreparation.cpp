// How talixcli sets up the heap for the one command a process runs.
#include "HeapPreparation.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace Parvik {
namespace AutoCli {

const char kPlainHeapVariable[] = "TALIXCLI_PLAIN_HEAP";

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
}  // namespace

// A command that builds a large listing touches megabytes of fresh heap, one
// page fault per 4 KiB, and on a virtualised host a fault costs as much as
// thousands of instructions. The heap is grown ahead (address space only) and
// its part from the first 2 MiB boundary on is offered transparent huge
// pages: a listing then takes a fault per 2 MiB from its first megabytes on
// (starting at the second boundary left a 10,000-route listing mostly below
// it). A small command touches one such page at most, which paired runs of
// start-up commands did not tell apart. Where the host has no huge pages
// nothing changes.
// The reserve is taken once: later growth asks for the usual padding, so that
// under a tight address-space limit a command fails no sooner than without it.
void PrepareHeapForCommand() {
    const char* plain = std::getenv(kPlainHeapVariable);
    if (plain && *plain) return;
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
    const uintptr_t start = (before + kHugePage - 1) & ~(kHugePage - 1);
    if (after > start) madvise(reinterpret_cast<void*>(start), std::min(after - start, kHugePagePart), MADV_HUGEPAGE);
}

}  // namespace AutoCli
}  // namespace Parvik
