// Global allocation functions that keep the current and the peak number of bytes in use.
#include "CountingAllocator.h"

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {
std::atomic<std::size_t> g_current{0};
std::atomic<std::size_t> g_peak{0};

void* Track(void* p) {
    if (p == nullptr)
        return nullptr;
    const std::size_t now = g_current += malloc_usable_size(p);
    std::size_t peak = g_peak.load();
    while (now > peak && !g_peak.compare_exchange_weak(peak, now)) {
    }
    return p;
}

void* Allocate(std::size_t n) {
    void* p = Track(std::malloc(n ? n : 1));
    if (p == nullptr)
        throw std::bad_alloc();
    return p;
}

void* AllocateAligned(std::size_t n, std::align_val_t al) {
    const std::size_t a = static_cast<std::size_t>(al);
    void* p = Track(std::aligned_alloc(a, (n + a - 1) / a * a));
    if (p == nullptr)
        throw std::bad_alloc();
    return p;
}

void Free(void* p) noexcept {
    if (p != nullptr) {
        g_current -= malloc_usable_size(p);
        std::free(p);
    }
}
} // namespace

namespace CountingAllocator {
std::size_t Current() {
    return g_current.load();
}
std::size_t Peak() {
    return g_peak.load();
}
void ResetPeak() {
    g_peak = g_current.load();
}
} // namespace CountingAllocator

void* operator new(std::size_t n) {
    return Allocate(n);
}
void* operator new[](std::size_t n) {
    return Allocate(n);
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    return Track(std::malloc(n ? n : 1));
}
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept {
    return Track(std::malloc(n ? n : 1));
}
void* operator new(std::size_t n, std::align_val_t al) {
    return AllocateAligned(n, al);
}
void* operator new[](std::size_t n, std::align_val_t al) {
    return AllocateAligned(n, al);
}
void operator delete(void* p) noexcept {
    Free(p);
}
void operator delete[](void* p) noexcept {
    Free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    Free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    Free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    Free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
    Free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
    Free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
    Free(p);
}
