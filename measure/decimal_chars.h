#pragma once
// from_chars for double, from the standard library where it has one. Emscripten's libc++ has it
// only for integers: there fast_float reads the same correctly rounded value. Where the standard
// one reports a value out of range and leaves it alone, fast_float gives infinity or 0, which is
// what its callers make of the report anyway.

#include <charconv>

#if defined(__cpp_lib_to_chars)
namespace tavrel::measure::decimal_chars {
using std::chars_format;
using std::from_chars;
}  // namespace tavrel::measure::decimal_chars
#else
#include <fast_float/fast_float.h>
namespace tavrel::measure::decimal_chars {
using fast_float::chars_format;
using fast_float::from_chars;
}  // namespace tavrel::measure::decimal_chars
#endif
