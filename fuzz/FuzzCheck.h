#pragma once

#include <cstdio>
#include <cstdlib>

// A property every input must keep; a broken one stops the run as a crash, so libFuzzer keeps the
// input that broke it.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            (void)std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
