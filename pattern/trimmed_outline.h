#pragma once
// The centre lines of the strokes the picture shows, as straight lines and circular arcs cut at
// the picture's edge: what a cutting machine follows. Vector writers that must not rely on a
// clip path (cutter programs ignore it) write these.

#include "pattern/shapes.h"

#include <variant>
#include <vector>

namespace tavrel::pattern {

// Counter-clockwise as seen on screen (y grows downwards) from `startDegrees` through
// `sweepDegrees`; a sweep of 360 is the whole circle.
struct OutlineArc {
    Point centre;
    double radius = 0;
    double startDegrees = 0;
    double sweepDegrees = 360;
};

using OutlinePiece = std::variant<Segment, OutlineArc>;

// In picture pixels, where pixel (x, y) is the square from (x, y) to (x + 1, y + 1): the pieces
// of the shape's one-picture-pixel stroke that lie inside the picture. None when the shape lies
// wholly outside or is a circle without size.
std::vector<OutlinePiece> trimmedOutline(const Shape& shape, PixelSize picture);

}  // namespace tavrel::pattern
