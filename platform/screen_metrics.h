#pragma once
// Twips per screen pixel: 1440 divided by the logical dots per inch of the screen. Read at
// every use; tests can pin other resolutions without a screen of that kind.

#include <optional>

class QWidget;

namespace tavrel::platform {

float twipsPerPixelX();
float twipsPerPixelY();

// Pins both values (12 for 120 dpi, 15 for 96 dpi ...); nullopt goes back to the screen.
void setTwipsPerPixelOverride(std::optional<float> twipsPerPixel);
// Pins a screen whose pixels are not square, which no test screen has.
void setTwipsPerPixelOverride(float across, float down);

}  // namespace tavrel::platform
