#pragma once

#include <cstddef>

namespace vendrix::bench {

// Heap bytes in use, counted by the replaced allocation functions of the benchmark binary: every
// malloc'd block, which includes what operator new and Qt allocate.
std::size_t heapBytesInUse();
std::size_t heapPeakBytes();
// Starts a new peak measurement from the bytes in use now.
void resetHeapPeak();

// The peak heap growth of a scope, in bytes above what was in use when it began.
class HeapPeakScope {
public:
    HeapPeakScope() : base_(heapBytesInUse()) { resetHeapPeak(); }
    std::size_t peakGrowth() const { return heapPeakBytes() - base_; }

private:
    std::size_t base_;
};

} // namespace vendrix::bench
