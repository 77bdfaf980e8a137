#include "picture/device_context.h"

namespace tavrel::picture {

bool DeviceContext::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
                        int yEnd)
{
    add(ArcShape{left, top, right, bottom, xStart, yStart, xEnd, yEnd});
    return true;
}

bool DeviceContext::Ellipse(int left, int top, int right, int bottom)
{
    add(EllipseShape{left, top, right, bottom});
    return true;
}

void DeviceContext::add(const Shape& shape)
{
    image_.shapes.push_back(shape);
    if (changed_) changed_();
}

bool drawArc(DeviceContext& hdc, const pattern::ArcArguments& arc)
{
    const auto call = pattern::computeArcCall(arc);
    return call && drawArcCall(hdc, *call);
}

bool drawArcCall(DeviceContext& hdc, const pattern::ArcCall& call)
{
    if (call.kind == pattern::ArcCall::Kind::Ellipse)
        return hdc.Ellipse(call.left, call.top, call.right, call.bottom);
    return hdc.Arc(call.left, call.top, call.right, call.bottom, call.xStart, call.yStart,
                   call.xEnd, call.yEnd);
}

}  // namespace tavrel::picture
