#pragma once
// What the projector draws for one section of the pattern, in screen pixels: the figure placed
// and clipped to the calibrated rectangle, the landmarks it shares with its neighbours, and the
// marks that check the calibration by eye, all through the table's mapping. Text is the
// view's own to draw, upright and never mirrored.

#include "measure/unit.h"
#include "projection/placement.h"
#include "projection/sections.h"
#include "projection/table_mapping.h"

#include <vector>

namespace tavrel::projection {

enum class TableOverlay { None, Grid, Ruler, Rectangle };

// The figure in inches from its picture's top-left corner, and the picture's size.
struct PlacedFigure {
    std::vector<Polyline> lines;
    Point size;
};
PlacedFigure figureInInches(std::vector<Polyline> picturePixels, pattern::PixelSize picture,
                            double twipsPerPixel);

struct TableView {
    SectionGrid sections;
    std::vector<Polyline> figure;
    std::vector<Polyline> landmarks;
    std::vector<Polyline> overlay;
};

// `section` counts from 0, across then down, and is held within the sections there are.
TableView tableView(const TableMapping& mapping, const PlacedFigure& figure,
                    const Placement& placement, int section, TableOverlay overlay,
                    measure::UnitSystem ruler);

// Lines one unit apart over the calibrated rectangle, a ruler of up to ten units along its top
// edge one unit in, or the rectangle with its diagonals; in table inches.
std::vector<Polyline> overlayLines(TableOverlay overlay, double widthInches, double heightInches,
                                   measure::UnitSystem ruler);

}  // namespace tavrel::projection
