#pragma once
// Times every iteration on its own, so that each benchmark reports the median (the budgets are
// medians) and the slowest iteration beside Google Benchmark's mean.

#include "bench_measures.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace tavrel::bench {

template <typename Body>
void timeEachIteration(benchmark::State& state, Body body)
{
    std::vector<double> seconds;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        body();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        seconds.push_back(elapsed.count());
    }
    if (seconds.empty()) return;
    std::sort(seconds.begin(), seconds.end());
    // In seconds; the report scales them with SI prefixes (u = microseconds, m = milliseconds).
    state.counters["median_s"] = seconds[seconds.size() / 2];
    state.counters["max_s"] = seconds.back();
}

inline std::string labelForM(float M)
{
    char text[32];
    std::snprintf(text, sizeof text, "M = %g", M);
    return text;
}

}  // namespace tavrel::bench
