#pragma once
// How the projector shows the pattern, as the user last chose it; kept between runs.

#include <QString>

namespace tavrel::projector {

// What is drawn over the pattern to check its scale by eye.
enum class Overlay { None, Grid, Ruler };

struct ProjectorPreferences {
    QString screenName;  // empty: the screen of the main window
    bool whiteOnBlack = true;
    int lineWidth = 1;  // screen pixels: 1, 3 or 5
    Overlay overlay = Overlay::None;
};

inline constexpr int kLineWidths[] = {1, 3, 5};

// Values that are not valid choices fall back to the defaults.
ProjectorPreferences loadProjectorPreferences();
// False when the settings file could not be written: they then hold for this run.
bool saveProjectorPreferences(const ProjectorPreferences& preferences);

}  // namespace tavrel::projector
