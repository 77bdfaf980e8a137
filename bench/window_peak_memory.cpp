// Draws the largest pattern in the real main window on the offscreen platform, paints the
// visible window, and prints the process's peak resident memory as the kernel counts it.
#include "app/frm_main.h"
#include "bench_measures.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

std::string peakResidentMemory()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return line.substr(line.find_first_not_of(" \t", 6));
    return "unknown";
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    tavrel::app::frmMain window;
    window.show();
    window.optMeasureType[0]->click();
    const std::string text = tavrel::bench::largestMeasure();
    window.txtMeasure->setText(QString::fromStdString(text));
    window.repaint();
    QApplication::processEvents();
    std::printf("window with \"%s\" inches (M = %g, picture %d x %d): peak resident memory %s\n",
                text.c_str(), window.BaseLength(), window.picPattern->width(),
                window.picPattern->height(), peakResidentMemory().c_str());
    return 0;
}
