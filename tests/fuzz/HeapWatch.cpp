#include "HeapWatch.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TRELK_HEAP_HOOKS 1
#endif
#endif

#ifdef TRELK_HEAP_HOOKS
#include <sanitizer/allocator_interface.h>

namespace {

// Only the thread that owns the watch counts: libFuzzer's own threads
// allocate too.
thread_local bool t_watching = false;
thread_local std::int64_t t_live = 0;
thread_local std::int64_t t_peak = 0;

void onMalloc(const volatile void*, std::size_t size)
{
    if (!t_watching)
        return;
    t_live += static_cast<std::int64_t>(size);
    if (t_live > t_peak)
        t_peak = t_live;
}

// Freeing what was allocated before the watch started lowers the count
// below zero; the peak stays relative to the start.
void onFree(const volatile void* p)
{
    if (!t_watching || !p)
        return;
    t_live -= static_cast<std::int64_t>(__sanitizer_get_allocated_size(const_cast<const void*>(p)));
}

bool installHooks()
{
    return __sanitizer_install_malloc_and_free_hooks(onMalloc, onFree) != 0;
}

}  // namespace

HeapWatch::HeapWatch()
{
    static const bool installed = installHooks();
    (void)installed;
    t_live = 0;
    t_peak = 0;
    t_watching = true;
}

HeapWatch::~HeapWatch()
{
    t_watching = false;
}

std::int64_t HeapWatch::peak() const
{
    return t_peak;
}

#else

HeapWatch::HeapWatch() {}
HeapWatch::~HeapWatch() {}
std::int64_t HeapWatch::peak() const { return 0; }

#endif
