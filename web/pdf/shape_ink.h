#pragma once
// Where the picture, printed at natural size, carries ink: the strokes one picture pixel wide
// with square caps that the pages draw, so that tiles holding only paper are left out.

#include "pattern/shapes.h"

#include <vector>

namespace tavrel::web {

struct PixelRect {
    double left = 0, top = 0, width = 0, height = 0;
};

class ShapeInk {
public:
    ShapeInk(const std::vector<pattern::Shape>& shapes, pattern::PixelSize picture);

    // From the picture's corner to its furthest ink right and down, in picture pixels.
    double right() const { return right_; }
    double bottom() const { return bottom_; }
    // Whether any stroke reaches into `area` (picture pixels) inside the picture.
    bool within(const PixelRect& area) const;

private:
    const std::vector<pattern::Shape>& shapes_;
    pattern::PixelSize picture_;
    double right_ = 0, bottom_ = 0;
};

}  // namespace tavrel::web
