// A file of its own, so that the compiler never sees the replaced new and
// delete inline next to their callers.
#include "AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<std::size_t> g_largestRequest{0};
}

void ResetLargestRequest()
{
    g_largestRequest = 0;
}

std::size_t LargestRequest()
{
    return g_largestRequest.load();
}

void* operator new(std::size_t size)
{
    std::size_t seen = g_largestRequest.load();
    while (size > seen && !g_largestRequest.compare_exchange_weak(seen, size)) {
    }
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
