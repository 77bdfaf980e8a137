#include "pattern_image.h"

namespace tavrel::app {
namespace {

platform::Shape shapeOf(const pattern::LineOp& line)
{
    return platform::LineShape{line.x1, line.y1, line.x2, line.y2};
}

platform::Shape shapeOf(const pattern::ArcOp& arc)
{
    const pattern::ArcCall& c = arc.call;
    if (c.kind == pattern::ArcCall::Kind::Ellipse)
        return platform::EllipseShape{c.left, c.top, c.right, c.bottom, false};
    return platform::ArcShape{c.left, c.top, c.right, c.bottom, c.xStart, c.yStart, c.xEnd, c.yEnd};
}

}  // namespace

platform::PersistentImage patternImage(const pattern::PatternPlan& plan)
{
    platform::PersistentImage image;
    image.size = QSize(plan.pictureWidth, plan.pictureHeight);
    for (const pattern::Operation& op : plan.figure)
        std::visit([&image](const auto& o) { image.shapes.push_back(shapeOf(o)); }, op);
    for (const pattern::LineOp& line : plan.ruler) image.shapes.push_back(shapeOf(line));
    return image;
}

}  // namespace tavrel::app
