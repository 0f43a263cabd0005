#pragma once

#include <cstddef>

// The binary that links AllocationCounter.cpp has its global operator new
// replaced by one that remembers the largest single request.
void ResetLargestRequest();
std::size_t LargestRequest();
