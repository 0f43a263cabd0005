#pragma once

#include <cstdio>
#include <cstdlib>

// A property of the code under test does not hold: report and abort, which
// libFuzzer records as a crash with the input that caused it.
[[noreturn]] inline void fail(const char* what)
{
    std::fprintf(stderr, "fuzz property violated: %s\n", what);
    std::abort();
}

inline void check(bool condition, const char* what)
{
    if (!condition)
        fail(what);
}
