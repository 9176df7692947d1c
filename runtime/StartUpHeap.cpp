#include "runtime/StartUpHeap.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

namespace runtime {

namespace {

// A backing store at twice the scale fits below this.
constexpr int kLargestHeapBlock = 8 << 20;

// Until the thresholds are raised, a block of a few hundred KB gets a
// mapping of its own, which freeing it unmaps: filled in for nothing.
std::atomic<bool> s_thresholdsRaised{false};

} // namespace

StartUpHeap::StartUpHeap(std::size_t bytes)
{
#ifdef __GLIBC__
    // The C library's own rule, once a large block is freed: blocks of that
    // size from the heap, and twice that kept free at its top.
    mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, 2 * kLargestHeapBlock);
    s_thresholdsRaised = true;
#endif
    populateThisThread(bytes);
}

void StartUpHeap::populateThisThread(std::size_t bytes)
{
#ifdef MADV_POPULATE_WRITE
    // A block taken and given back stays at the top of the heap, its pages
    // filled in, for what comes next.
    if (!s_thresholdsRaised)
        return;
    void* block = std::malloc(bytes);
    if (!block)
        return;
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto begin = (reinterpret_cast<std::uintptr_t>(block) + page - 1) & ~(page - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(block) + bytes) & ~(page - 1);
    if (end > begin)
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
    std::free(block);
#else
    (void)bytes;
#endif
}

} // namespace runtime
