#pragma once
// A property that does not hold stops the fuzzer; libFuzzer then keeps the input that broke it.

#include <cstdio>
#include <cstdlib>

#define FUZZ_REQUIRE(condition)                                                              \
    do {                                                                                     \
        if (!(condition)) {                                                                  \
            std::fprintf(stderr, "%s:%d: property does not hold: %s\n", __FILE__, __LINE__, \
                         #condition);                                                        \
            std::abort();                                                                    \
        }                                                                                    \
    } while (false)
