#pragma once
// The page a printer is calibrated with: a long bar across and a long bar down, each with its
// length written beside it, and how to measure them. The printer's output and the command
// line's PDF draw the same sheet.

#include "export/calibration_bars.h"
#include "export/paper.h"

#include <QRectF>
#include <QString>

#include <filesystem>

class QPainter;

namespace tavrel::exporting {

// Draws the sheet in `printableTwips`, on a painter whose unit is the twip.
void drawCalibrationSheet(QPainter& painter, const QRectF& printableTwips,
                          measure::UnitSystem unit);

// The sheet as a one-page PDF on `paper`, half an inch in from its edges, to print at actual
// size. Empty when the file is written; otherwise a one-line reason, and no file was touched.
QString saveCalibrationSheet(const std::filesystem::path& path, Paper paper,
                             measure::UnitSystem unit);

}  // namespace tavrel::exporting
