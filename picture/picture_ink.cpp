#include "picture/picture_ink.h"

#include <QPainterPathStroker>

#include <algorithm>

namespace tavrel::picture {

PictureInk::PictureInk(const PersistentImage& image) : picture_(image.size)
{
    // The replay's pen: one picture pixel wide with square caps, shifted half a pixel.
    QPainterPathStroker stroker;
    stroker.setWidth(1);
    stroker.setCapStyle(Qt::SquareCap);
    for (const Shape& shape : image.shapes) {
        const QPainterPath outline = scaledOutline(shape, image.size).translated(0.5, 0.5);
        inked_.push_back(stroker.createStroke(outline));
    }
}

QSizeF PictureInk::extent() const
{
    double right = 0, bottom = 0;
    for (const QPainterPath& ink : inked_) {
        const QRectF bounds = ink.boundingRect();
        right = std::max(right, bounds.right());
        bottom = std::max(bottom, bounds.bottom());
    }
    return QSizeF(std::min(right, picture_.width()), std::min(bottom, picture_.height()));
}

bool PictureInk::within(const QRectF& area) const
{
    const QRectF visible = area & QRectF(QPointF(0, 0), picture_);
    if (visible.isEmpty()) return false;
    return std::any_of(inked_.begin(), inked_.end(),
                       [&visible](const QPainterPath& ink) { return ink.intersects(visible); });
}

}  // namespace tavrel::picture
