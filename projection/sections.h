#pragma once
// A pattern larger than the calibrated rectangle, shown a section at a time: each section is the
// rectangle less an overlap, so that neighbours share a strip; in that strip, small crosses on
// the figure's lines (landmarks) show in both, to lay the fabric on again after moving it. The
// sections are labelled A1, A2, ... as the tiled pages are.

#include "projection/placement.h"

#include <string>
#include <vector>

namespace tavrel::projection {

// What two neighbouring sections share.
inline constexpr double kSectionOverlapInches = 1;

struct SectionGrid {
    int columns = 1, rows = 1;
    double stepX = 0, stepY = 0;           // one section to the next, in inches
    double areaWidth = 0, areaHeight = 0;  // what each shows: the calibrated rectangle

    int count() const { return columns * rows; }
    // The section's top-left corner within the placed pattern, in inches: where the
    // rectangle's top-left corner is while it shows.
    Point origin(int index) const;
    // "A1" for the first column and row; sections go across first, then down.
    std::string label(int index) const;
};

// The sections of a pattern `placed` inches large (as placedSize gives) on a rectangle of
// `areaWidth` by `areaHeight` inches.
SectionGrid sectionGrid(Point placed, double areaWidth, double areaHeight);

// Where the figure's lines cross the middle of each strip two sections share, in the placed
// pattern's inches.
std::vector<Point> landmarks(const std::vector<Polyline>& placedFigure, const SectionGrid& grid);

// A landmark's cross: two strokes, each `armInches` from its centre to its ends.
inline constexpr double kLandmarkArmInches = 0.2;
std::vector<Polyline> landmarkCross(Point centre);

}  // namespace tavrel::projection
