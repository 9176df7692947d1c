#pragma once

#include <cstddef>

namespace runtime {

// Readies the heap for a program's start. A window's start touches a few
// megabytes of memory no one has touched before: its images, its form and
// fonts, the backing store it paints into. Touched one page at a time, each
// page is a trip into the kernel; on some virtual machines that trip costs
// about 10 us, and a start then spends more time in those trips than in
// any one step of its own. Asked for in one call, the same pages cost a
// twentieth of that.
//
// Made first, before the program's other threads, it has blocks up to a
// few megabytes come from the heap (a backing store included) and lets the
// heap keep what is freed there, as the C library settles by itself once
// the first such block is freed; then it has the kernel fill in the first
// `bytes` of the heap at once. populateThisThread() does the same for the
// calling thread's own heap, once a StartUpHeap has been made. Where the
// kernel cannot fill memory ahead, nothing changes but the thresholds.
class StartUpHeap {
public:
    explicit StartUpHeap(std::size_t bytes);

    static void populateThisThread(std::size_t bytes);
};

} // namespace runtime
