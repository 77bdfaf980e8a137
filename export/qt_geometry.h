#pragma once
// The page plans' plain sizes, points and rectangles as Qt's, and back.

#include "pages/geometry.h"

#include <QMarginsF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

namespace tavrel::exporting {

inline QSizeF toQt(pages::Size size) { return {size.width, size.height}; }
inline QPointF toQt(pages::Point point) { return {point.x, point.y}; }
inline QRectF toQt(const pages::Rect& rect) { return {rect.x, rect.y, rect.width, rect.height}; }

inline pages::Size fromQt(QSizeF size) { return {size.width(), size.height()}; }
inline pages::Margins fromQt(const QMarginsF& margins)
{
    return {margins.left(), margins.top(), margins.right(), margins.bottom()};
}

}  // namespace tavrel::exporting
