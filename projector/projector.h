#pragma once
// Projecting the pattern at true scale onto the fabric: the one way in from the main window.

#include "measure/unit.h"

namespace tavrel::picture {
struct PersistentImage;
}

class QWidget;

namespace tavrel::projector {

// Opens the projector window over `parent`: it chooses the screen, colours, line width and
// overlay, calibrates the screen and shows `image` (drawn at `twipsPerPixel`) full screen, with
// a check ruler of inches or centimeters.
// The image is copied: later drawing in the main window does not change the projection.
void openProjector(QWidget* parent, const picture::PersistentImage& image, double twipsPerPixel,
                   measure::UnitSystem ruler);

}  // namespace tavrel::projector
