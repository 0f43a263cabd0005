#pragma once

#include <cstdint>

// Measures the peak of heap bytes live on the calling thread while the
// watch exists, relative to when it started: what one run of the code under
// test holds at most. Needs the sanitizer allocator; without it peak() is 0.
class HeapWatch {
public:
    HeapWatch();
    ~HeapWatch();
    HeapWatch(const HeapWatch&) = delete;
    HeapWatch& operator=(const HeapWatch&) = delete;

    std::int64_t peak() const;
};
