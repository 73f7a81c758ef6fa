// Counts every heap block of the benchmark binary: the C allocation functions are replaced by ones
// that count the block's usable size and hand the work to the C library's own allocator. Qt keeps
// its strings, byte arrays and PDF pages in malloc'd blocks, and operator new allocates through
// malloc as well, so one count covers both. glibc supports replacing malloc this way, and exports
// its own functions under the __libc_ names for it.
#include "heapcounter.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <malloc.h>
#include <unistd.h>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* block);
}

namespace {

// Signed: a block that the dynamic loader allocated before this counter took over may still be
// freed through it.
std::atomic<long long> inUse{0};
std::atomic<long long> peak{0};

void* counted(void* block) {
    if (block == nullptr)
        return nullptr;
    const auto size = static_cast<long long>(malloc_usable_size(block));
    const long long now = inUse.fetch_add(size, std::memory_order_relaxed) + size;
    long long seen = peak.load(std::memory_order_relaxed);
    while (now > seen && !peak.compare_exchange_weak(seen, now, std::memory_order_relaxed)) {
    }
    return block;
}

void uncount(void* block) {
    if (block != nullptr)
        inUse.fetch_sub(static_cast<long long>(malloc_usable_size(block)), std::memory_order_relaxed);
}

} // namespace

extern "C" {

void* malloc(std::size_t size) noexcept {
    return counted(__libc_malloc(size));
}

void* calloc(std::size_t count, std::size_t size) noexcept {
    return counted(__libc_calloc(count, size));
}

void* realloc(void* block, std::size_t size) noexcept {
    const auto before = static_cast<long long>(block != nullptr ? malloc_usable_size(block) : 0);
    void* moved = __libc_realloc(block, size);
    // A failed realloc leaves the block as it was; realloc(block, 0) frees it.
    if (moved == nullptr && size != 0)
        return nullptr;
    inUse.fetch_sub(before, std::memory_order_relaxed);
    return counted(moved);
}

void free(void* block) noexcept {
    uncount(block);
    __libc_free(block);
}

void* memalign(std::size_t alignment, std::size_t size) noexcept {
    return counted(__libc_memalign(alignment, size));
}

void* aligned_alloc(std::size_t alignment, std::size_t size) noexcept {
    return counted(__libc_memalign(alignment, size));
}

int posix_memalign(void** block, std::size_t alignment, std::size_t size) noexcept {
    if (alignment % sizeof(void*) != 0 || (alignment & (alignment - 1)) != 0)
        return EINVAL;
    void* aligned = counted(__libc_memalign(alignment, size));
    if (aligned == nullptr)
        return ENOMEM;
    *block = aligned;
    return 0;
}

void* valloc(std::size_t size) noexcept {
    return counted(__libc_memalign(static_cast<std::size_t>(sysconf(_SC_PAGESIZE)), size));
}

void* pvalloc(std::size_t size) noexcept {
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    return counted(__libc_memalign(page, (size + page - 1) / page * page));
}

} // extern "C"

namespace vendrix::bench {

std::size_t heapBytesInUse() {
    return static_cast<std::size_t>(std::max(0LL, inUse.load()));
}
std::size_t heapPeakBytes() {
    return static_cast<std::size_t>(std::max(0LL, peak.load()));
}
void resetHeapPeak() {
    peak.store(inUse.load());
}

} // namespace vendrix::bench
