// Replaces the global operator new and interposes malloc for the benchmark binary, counting calls.
// Both definitions live in the executable, so they also serve Mesa, GLUT and the C++ runtime.
#include "bench/alloc_count.h"

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

// glibc's own entry points, which the interposed functions forward to.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
}

namespace {

// Relaxed counters: llvmpipe's threads allocate too, and only the totals matter.
std::atomic<std::uint64_t> newCalls{0};
std::atomic<std::uint64_t> mallocCalls{0};

void countMalloc() { mallocCalls.fetch_add(1, std::memory_order_relaxed); }

void* newOrThrow(std::size_t size) {
    newCalls.fetch_add(1, std::memory_order_relaxed);
    countMalloc();
    void* pointer = __libc_malloc(size == 0 ? 1 : size);
    if (pointer == nullptr) throw std::bad_alloc();
    return pointer;
}

void* alignedNewOrThrow(std::size_t size, std::align_val_t alignment) {
    newCalls.fetch_add(1, std::memory_order_relaxed);
    countMalloc();
    void* pointer = __libc_memalign(static_cast<std::size_t>(alignment), size == 0 ? 1 : size);
    if (pointer == nullptr) throw std::bad_alloc();
    return pointer;
}

}  // namespace

AllocCounts allocCounts() {
    return {newCalls.load(std::memory_order_relaxed), mallocCalls.load(std::memory_order_relaxed)};
}

extern "C" {

void* malloc(std::size_t size) noexcept {
    countMalloc();
    return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size) noexcept {
    countMalloc();
    return __libc_calloc(count, size);
}

void* realloc(void* pointer, std::size_t size) noexcept {
    countMalloc();
    return __libc_realloc(pointer, size);
}

void* memalign(std::size_t alignment, std::size_t size) noexcept {
    countMalloc();
    return __libc_memalign(alignment, size);
}

void* aligned_alloc(std::size_t alignment, std::size_t size) noexcept {
    countMalloc();
    return __libc_memalign(alignment, size);
}

int posix_memalign(void** out, std::size_t alignment, std::size_t size) noexcept {
    countMalloc();
    void* pointer = __libc_memalign(alignment, size);
    if (pointer == nullptr) return 12;  // ENOMEM
    *out = pointer;
    return 0;
}

}  // extern "C"

void* operator new(std::size_t size) { return newOrThrow(size); }
void* operator new[](std::size_t size) { return newOrThrow(size); }
void* operator new(std::size_t size, std::align_val_t alignment) {
    return alignedNewOrThrow(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
    return alignedNewOrThrow(size, alignment);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    newCalls.fetch_add(1, std::memory_order_relaxed);
    countMalloc();
    return __libc_malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
    return operator new(size, tag);
}
void operator delete(void* pointer) noexcept { std::free(pointer); }
void operator delete[](void* pointer) noexcept { std::free(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { std::free(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { std::free(pointer); }
void operator delete(void* pointer, std::align_val_t) noexcept { std::free(pointer); }
void operator delete[](void* pointer, std::align_val_t) noexcept { std::free(pointer); }
void operator delete(void* pointer, std::size_t, std::align_val_t) noexcept { std::free(pointer); }
void operator delete[](void* pointer, std::size_t, std::align_val_t) noexcept {
    std::free(pointer);
}
