// The whole export of one measurement into a real file, as the command line does it, in every
// format, for a page-size pattern and for the largest.
#include "bench_timing.h"
#include "export/pattern_export.h"

#include <QTemporaryDir>

#include <string>

namespace {

void Export(benchmark::State& state, const std::string& text, const std::string& fileName)
{
    QTemporaryDir folder;
    const tavrel::exporting::ExportRequest request{text, tavrel::measure::Unit::InchesDecimal, 96,
                                                   folder.filePath(QString::fromStdString(fileName)).toStdString()};
    tavrel::bench::timeEachIteration(state, [&] {
        if (!tavrel::exporting::exportPattern(request).isEmpty()) state.SkipWithError("export failed");
    });
}

const bool registered = [] {
    const std::pair<const char*, std::string> sizes[] = {
        {"M100", tavrel::bench::kMeasureForM100}, {"largest", tavrel::bench::largestMeasure()}};
    for (const std::string format : {"png", "svg", "pdf", "dxf"})
        for (const auto& [name, text] : sizes)
            benchmark::RegisterBenchmark(("Export/" + format + "_" + name).c_str(), Export, text,
                                         "p." + format)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace
