#pragma once
// Printing a persistent picture on the system's default printer with its current settings:
// one job of one page, the picture at natural size, no dialog.

#include "picture/persistent_image.h"

#include <QString>

namespace tavrel::platform {

struct PrintOutcome {
    bool sent = false;
    QString problem;  // what went wrong, for the user, when nothing was sent
};

// Draws `image` with its top-left corner `offsetTwips` from the left and top of the printable
// area; n picture pixels cover n x twips-per-pixel twips on paper. What falls outside the
// printable area is cut off. `sent` only once the spooler has taken the whole job.
PrintOutcome printOnDefaultPrinter(const picture::PersistentImage& image, double twipsPerPixelX,
                                   double twipsPerPixelY, double offsetTwips);

}  // namespace tavrel::platform
