#include "analysis/heap_reuse.h"

#include <malloc.h>

namespace {

// Blocks up to this size come from the heap rather than from mappings of their own, which are
// given back on free (the allocator's largest such threshold).
constexpr int kLargestHeapBlock = 32 << 20;
// Free memory at the top of the heap is given back to the system only beyond this size.
constexpr int kKeptFreeBytes = 1 << 30;

}  // namespace

void KeepFreedMemoryForReuse() {
    mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, kKeptFreeBytes);
}
