// One pan step of the projector view at the largest M: the arrow key moves the pattern and the
// view is repainted at once, with 5-pixel lines and the grid, the heaviest look. A 1920 x 1080
// projection, at a desk screen's 96 and a projected table's 30 pixels per inch.
#include "bench_timing.h"
#include "measure/conversion.h"
#include "pattern/pattern_plan.h"
#include "picture/pattern_image.h"
#include "projector/projector_view.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWindow>

namespace {

using namespace tavrel;

void ProjectorPanStep(benchmark::State& state, double pixelsPerInch)
{
    const auto conversion =
        measure::convertMeasurement(bench::largestMeasure(), measure::Unit::InchesDecimal, 15);
    const auto plan = pattern::planPattern(conversion.M, {15, 15}, measure::UnitSystem::Inch);
    const projector::ProjectorPreferences look{"", true, 5, projector::Overlay::Grid};
    projector::ProjectorView view(picture::patternImage(*plan), 15, pixelsPerInch, look,
                                  measure::UnitSystem::Inch);
    view.resize(1920, 1080);
    view.show();
    while (!view.windowHandle()->isExposed()) QCoreApplication::processEvents();
    view.repaint();
    state.SetLabel(bench::labelForM(conversion.M));
    int step = 0;
    bench::timeEachIteration(state, [&] {
        // Right and left in turn, so that the view never reaches the pattern's edge.
        QKeyEvent key(QEvent::KeyPress, step++ % 2 ? Qt::Key_Left : Qt::Key_Right, {});
        QCoreApplication::sendEvent(&view, &key);
        view.repaint();
    });
}
BENCHMARK_CAPTURE(ProjectorPanStep, largest_96ppi, 96.0)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ProjectorPanStep, largest_30ppi, 30.0)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
