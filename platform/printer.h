#pragma once
// Printing a persistent picture on the system's default printer with its current settings:
// one job of one page, the picture at natural size, no dialog.

#include "persistent_image.h"

#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace tavrel::platform {

struct PrintOutcome {
    bool sent = false;
    QString problem;  // what went wrong, for the user, when nothing was sent
};

// Draws `image` with its top-left corner `offsetTwips` from the left and top of the printable
// area; n picture pixels cover n x twips-per-pixel twips on paper. What falls outside the
// printable area is cut off. `sent` only once the spooler has taken the whole job.
PrintOutcome printOnDefaultPrinter(const PersistentImage& image, double twipsPerPixelX,
                                   double twipsPerPixelY, double offsetTwips);

// Draws the part of `image` that falls inside `windowTwips`, at natural size, on a painter
// whose unit is the twip: picture pixel (0, 0) lands on `originTwips`. Lines are one picture
// pixel wide.
void drawAtNaturalSize(QPainter& painter, const PersistentImage& image, double twipsPerPixelX,
                       double twipsPerPixelY, QPointF originTwips, const QRectF& windowTwips);

}  // namespace tavrel::platform
