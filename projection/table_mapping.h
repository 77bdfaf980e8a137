#pragma once
// Where a point of the table shows on the projector's screen, from a rectangle of known size
// whose four corners the user dragged onto a real one on the table (a cutting mat's grid, a
// sheet of paper), and optionally a grid of points dragged onto the mat's crossings, for a table
// that is not flat or a lens that bends straight lines. The table is measured in inches from
// the rectangle's top-left corner, across and down as the screen shows it.

#include "projection/homography.h"

#include <array>
#include <optional>
#include <vector>

namespace tavrel::projection {

// The smallest rectangle that calibrates: smaller, a pixel's error weighs too much.
inline constexpr double kMinCalibratedInches = 4;

// The rectangle measured on the table, and its corners on the screen in pixels: top-left,
// top-right, bottom-right, bottom-left.
struct CornerCalibration {
    double widthInches = 0;
    double heightInches = 0;
    std::array<Point, 4> corners{};
};

// Why a calibration cannot be used.
enum class CornerFault {
    None,
    NotANumber,  // a size or a corner is not a finite number, or a size not above 0
    TooSmall,    // a side of the rectangle under kMinCalibratedInches
    Crossing,    // two sides of the screen's rectangle cross each other
    Folding,     // a corner turned inwards: the mapping would fold the table over itself
    OutOfScale,  // a side shows fewer or more pixels per inch than any real screen
};
CornerFault cornerFault(const CornerCalibration& calibration);

// The rectangle the corners put their handles on first: `margin` pixels inside a screen of
// `width` by `height`, for a rectangle of the given size (its shape, not its scale).
CornerCalibration startingCorners(int width, int height, double widthInches, double heightInches);

class TableMapping {
public:
    // nullopt unless cornerFault() finds none.
    static std::optional<TableMapping> fromCorners(const CornerCalibration& calibration);

    // The same mapping bent through a mesh of `size` x `size` points (3 or 5): `screenPoints`
    // row by row from the top-left, where the user put the handles of the rectangle's evenly
    // spaced crossings. nullopt for another size, a missing point, or a mesh whose cells would
    // cross or fold as the corners' would.
    std::optional<TableMapping> withMesh(int size, const std::vector<Point>& screenPoints) const;

    // A crossing of a mesh of `size` on the table, and where the corners alone show it: where
    // its handle starts.
    Point meshCrossing(int size, int column, int row) const;
    Point cornersOnly(Point table) const { return corners_.map(table); }

    Point toScreen(Point table) const;
    double widthInches() const { return calibration_.widthInches; }
    double heightInches() const { return calibration_.heightInches; }
    const CornerCalibration& calibration() const { return calibration_; }
    int meshSize() const { return meshSize_; }
    // Where the mesh's handles were put, row by row; empty without a mesh.
    std::vector<Point> meshPoints() const;

private:
    TableMapping(CornerCalibration calibration, Homography corners)
        : calibration_(calibration), corners_(corners)
    {
    }
    Point meshCorrection(Point table) const;

    CornerCalibration calibration_;
    Homography corners_;
    int meshSize_ = 0;
    // Per crossing, how far the mesh moved it from where the corners show it, in pixels.
    std::vector<Point> corrections_;
};

}  // namespace tavrel::projection
