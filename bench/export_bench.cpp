// The whole export of one measurement into a real file, as the command line does it.
#include "bench_timing.h"
#include "export/pattern_export.h"

#include <QTemporaryDir>

namespace {

void Export(benchmark::State& state, std::string text, const char* fileName)
{
    QTemporaryDir folder;
    const tavrel::exporting::ExportRequest request{text, tavrel::measure::Unit::InchesDecimal, 96,
                                                   folder.filePath(fileName)};
    tavrel::bench::timeEachIteration(state, [&] {
        if (!tavrel::exporting::exportPattern(request).isEmpty()) state.SkipWithError("export failed");
    });
}
BENCHMARK_CAPTURE(Export, png_M100, std::string(tavrel::bench::kMeasureForM100), "p.png")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Export, svg_M100, std::string(tavrel::bench::kMeasureForM100), "p.svg")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Export, png_largest, tavrel::bench::largestMeasure(), "p.png")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Export, svg_largest, tavrel::bench::largestMeasure(), "p.svg")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
