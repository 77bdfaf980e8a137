#include "app/projector_preferences.h"

#include "app/user_settings.h"

#include <algorithm>
#include <iterator>

namespace tavrel::app {

ProjectorPreferences loadProjectorPreferences()
{
    const QSettings settings = userSettings();
    const ProjectorPreferences defaults;
    ProjectorPreferences loaded;
    loaded.screenName = settings.value("Projector/screen").toString();
    loaded.whiteOnBlack = settings.value("Projector/whiteOnBlack", defaults.whiteOnBlack).toBool();
    const int width = settings.value("Projector/lineWidth").toInt();
    loaded.lineWidth =
        std::find(std::begin(kLineWidths), std::end(kLineWidths), width) != std::end(kLineWidths)
            ? width
            : defaults.lineWidth;
    const int overlay = settings.value("Projector/overlay").toInt();
    loaded.overlay = overlay >= 0 && overlay <= static_cast<int>(Overlay::Ruler)
                         ? static_cast<Overlay>(overlay)
                         : defaults.overlay;
    return loaded;
}

void saveProjectorPreferences(const ProjectorPreferences& preferences)
{
    QSettings settings = userSettings();
    settings.setValue("Projector/screen", preferences.screenName);
    settings.setValue("Projector/whiteOnBlack", preferences.whiteOnBlack);
    settings.setValue("Projector/lineWidth", preferences.lineWidth);
    settings.setValue("Projector/overlay", static_cast<int>(preferences.overlay));
}

}  // namespace tavrel::app
