#pragma once
// The picture on paper at its natural size: n picture pixels cover n x twips-per-pixel twips.

#include "pages/placement.h"
#include "picture/persistent_image.h"

#include <QPointF>
#include <QRectF>

class QPainter;

namespace tavrel::picture {

using pages::kPlacementTwips;

// Draws the part of `image` that falls inside `windowTwips`, at natural size, on a painter
// whose unit is the twip: picture pixel (0, 0) lands on `originTwips`. Lines are one picture
// pixel wide.
void drawAtNaturalSize(QPainter& painter, const PersistentImage& image, double twipsPerPixelX,
                       double twipsPerPixelY, QPointF originTwips, const QRectF& windowTwips);

}  // namespace tavrel::picture
