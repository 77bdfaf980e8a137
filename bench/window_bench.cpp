// One keystroke in the real main window: the text changes, DrawPattern runs, and the visible
// window is repainted at once.
#include "app/frm_main.h"
#include "bench_timing.h"

#include <QLineEdit>
#include <QRadioButton>

namespace {

void KeystrokeRedraw(benchmark::State& state, std::string text)
{
    tavrel::app::frmMain window;
    window.show();
    window.optMeasureType[0]->click();
    // A leading zero changes the text but not M, so every iteration draws the same picture.
    const QString texts[2] = {QString::fromStdString(text), QString::fromStdString("0" + text)};
    window.txtMeasure->setText(texts[1]);
    window.repaint();
    state.SetLabel(tavrel::bench::labelForM(window.BaseLength()));
    int next = 0;
    tavrel::bench::timeEachIteration(state, [&] {
        window.txtMeasure->setText(texts[next]);
        window.repaint();
        next = 1 - next;
    });
}
BENCHMARK_CAPTURE(KeystrokeRedraw, M100, std::string(tavrel::bench::kMeasureForM100))
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(KeystrokeRedraw, largest, tavrel::bench::largestMeasure())
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
