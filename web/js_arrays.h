#pragma once
// Numbers between the core and the page: a copy the page keeps as one typed array, and a
// page's array read back, refusing what is no array.

#include <emscripten/val.h>

#include <optional>
#include <vector>

namespace tavrel::web {

inline emscripten::val numbers(const std::vector<double>& values)
{
    return emscripten::val::global("Float64Array")
        .new_(emscripten::typed_memory_view(values.size(), values.data()));
}

// Each element as Number() reads it (a text that is no number as NaN); nullopt for what is no
// array.
inline std::optional<std::vector<double>> numbersOf(const emscripten::val& array)
{
    if (!array.isArray()) return std::nullopt;
    return emscripten::convertJSArrayToNumberVector<double>(array);
}

}  // namespace tavrel::web
