#pragma once
// Where a picture printed at natural size carries ink, so that a printout can leave out what
// only holds paper.

#include "picture/persistent_image.h"

#include <QPainterPath>
#include <QRectF>
#include <QSizeF>

#include <vector>

namespace tavrel::picture {

class PictureInk {
public:
    explicit PictureInk(const PersistentImage& image);

    // From the picture's corner to its furthest ink right and down, in picture pixels.
    QSizeF extent() const;
    // Whether any ink lies inside `area`, in picture pixels.
    bool within(const QRectF& area) const;

private:
    QSizeF picture_;
    std::vector<QPainterPath> inked_;  // the area each shape inks
};

}  // namespace tavrel::picture
