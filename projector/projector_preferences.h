#pragma once
// How the projector shows the pattern, as the user last chose it; kept between runs.

#include <QString>

namespace tavrel::projector {

// What is drawn over the pattern to check its scale by eye.
// The calibrated rectangle with its diagonals shows only on a corner-calibrated screen.
enum class Overlay { None, Grid, Ruler, Rectangle };

struct ProjectorPreferences {
    QString screenName;  // empty: the screen of the main window
    bool whiteOnBlack = true;
    int lineWidth = 1;  // screen pixels: 1, 3 or 5
    Overlay overlay = Overlay::None;
    // On a corner-calibrated screen: the pattern mirrored, turned by quarter turns clockwise.
    bool mirrorAcross = false;
    bool mirrorDown = false;
    int quarterTurns = 0;
    int meshSize = 0;  // a corner calibration's mesh: 0 (none), 3 or 5 points a side
};

inline constexpr int kLineWidths[] = {1, 3, 5};

// Values that are not valid choices fall back to the defaults.
ProjectorPreferences loadProjectorPreferences();
// False when the settings file could not be written: they then hold for this run.
bool saveProjectorPreferences(const ProjectorPreferences& preferences);

}  // namespace tavrel::projector
