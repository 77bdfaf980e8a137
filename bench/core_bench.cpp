// The pure core: one conversion of the entered text, and the plan of the whole picture.
#include "bench_timing.h"
#include "measure/conversion.h"
#include "pattern/pattern_plan.h"

namespace {

using namespace tavrel;

void Conversion(benchmark::State& state, const char* text, int unit)
{
    bench::timeEachIteration(state, [&] {
        benchmark::DoNotOptimize(
            measure::convertMeasurement(text, tavrel::measure::unitAt(unit), 15.0f));
    });
}
BENCHMARK_CAPTURE(Conversion, decimal, "2.5", 0)->UseManualTime();
BENCHMARK_CAPTURE(Conversion, fractions, "2 1/2", 1)->UseManualTime();
BENCHMARK_CAPTURE(Conversion, millimeter, "63.5", 2)->UseManualTime();

void PlanPattern(benchmark::State& state, std::string text)
{
    const float M = measure::convertMeasurement(text, tavrel::measure::unitAt(0), 15.0f).M;
    state.SetLabel(bench::labelForM(M));
    bench::timeEachIteration(state, [&] {
        benchmark::DoNotOptimize(pattern::planPattern(M, {15, 15}, measure::UnitSystem::Inch));
    });
}
BENCHMARK_CAPTURE(PlanPattern, M100, std::string(bench::kMeasureForM100))->UseManualTime();
BENCHMARK_CAPTURE(PlanPattern, largest, bench::largestMeasure())->UseManualTime();

}  // namespace
