#pragma once
// The calibration sheet as a PDF for the browser, the desktop's sheet written without Qt: a bar
// across and a bar down, each with its length beside it, and how to measure them, half an inch
// in from the paper's edges, never corrected.

#include "measure/unit.h"
#include "pages/calibration_bars.h"
#include "pages/paper.h"

#include <string>

namespace tavrel::web {

// The words on the sheet, in the user's language; English by default. %1 is a bar's length,
// itself worded by `inches` or `millimeters` from its whole number of units.
struct CalibrationSheetTexts {
    std::string documentTitle = "Tavrel printer calibration";
    std::string title = "Tavrel printer calibration";
    std::string instructionsInch =
        "Print this sheet at 100 % (actual size), with no scaling and no \"fit to page\". "
        "Measure each bar with a good ruler in inches, from the middle of one end mark to the "
        "middle of the other. In Tavrel, choose Pattern > Calibrate Printer... and type the two "
        "lengths you measured: later prints on this printer are then corrected so that they "
        "come out at their true size.";
    std::string instructionsMetric =
        "Print this sheet at 100 % (actual size), with no scaling and no \"fit to page\". "
        "Measure each bar with a good ruler in millimeters, from the middle of one end mark "
        "to the middle of the other. In Tavrel, choose Pattern > Calibrate Printer... and "
        "type the two lengths you measured: later prints on this printer are then corrected "
        "so that they come out at their true size.";
    std::string across = "Across: %1";
    std::string down = "Down: %1";
    std::string inches = "%1 in";
    std::string millimeters = "%1 mm";
};

// The bars as the sheet on `paper` draws them.
pages::CalibrationBars calibrationSheetBars(pages::Paper paper, measure::UnitSystem unit);

// The file, one page.
std::string calibrationSheetPdf(pages::Paper paper, measure::UnitSystem unit,
                                const CalibrationSheetTexts& texts = {});

// "8 in", "200 mm": a bar's length as the sheet words it.
std::string barLengthText(double twips, measure::UnitSystem unit,
                          const CalibrationSheetTexts& texts);

}  // namespace tavrel::web
