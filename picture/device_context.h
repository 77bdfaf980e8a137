#pragma once
// The device context of a drawing surface: arcs and ellipses in the surface's pixels, recorded
// in the same persistent picture as its lines.

#include "pattern/arc_call.h"
#include "picture/persistent_image.h"

#include <functional>

namespace tavrel::picture {

class DeviceContext {
public:
    // `changed` runs after every shape, so that a surface on screen can repaint.
    explicit DeviceContext(PersistentImage& image, std::function<void()> changed = {})
        : image_(image), changed_(std::move(changed))
    {
    }

    // The part of the circle inscribed in the box between the rays from its centre through the
    // start and the end point, counter-clockwise; the whole outline when the rays coincide.
    bool Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
    // The whole outline, filled with the context's brush, which is hollow.
    bool Ellipse(int left, int top, int right, int bottom);

private:
    void add(const Shape& shape);

    PersistentImage& image_;
    std::function<void()> changed_;
};

// One arc of the pattern, from its centre, radius and two angles to the box and rays (or the
// whole outline) the device context draws. False, and nothing drawn, when a 16-bit step
// overflows.
bool drawArc(DeviceContext& hdc, const pattern::ArcArguments& arc);

// The box and rays (or the whole outline) already worked out for an arc.
bool drawArcCall(DeviceContext& hdc, const pattern::ArcCall& call);

}  // namespace tavrel::picture
