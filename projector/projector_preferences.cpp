#include "projector/projector_preferences.h"

#include "platform/user_settings.h"

#include <algorithm>
#include <iterator>

namespace tavrel::projector {

ProjectorPreferences loadProjectorPreferences()
{
    const ProjectorPreferences defaults;
    ProjectorPreferences loaded;
    loaded.screenName = platform::userSetting("Projector/screen").toString();
    loaded.whiteOnBlack =
        platform::userSetting("Projector/whiteOnBlack", defaults.whiteOnBlack).toBool();
    const int width = platform::userSetting("Projector/lineWidth").toInt();
    loaded.lineWidth =
        std::find(std::begin(kLineWidths), std::end(kLineWidths), width) != std::end(kLineWidths)
            ? width
            : defaults.lineWidth;
    const int overlay = platform::userSetting("Projector/overlay").toInt();
    loaded.overlay = overlay >= 0 && overlay <= static_cast<int>(Overlay::Rectangle)
                         ? static_cast<Overlay>(overlay)
                         : defaults.overlay;
    loaded.mirrorAcross = platform::userSetting("Projector/mirrorAcross").toBool();
    loaded.mirrorDown = platform::userSetting("Projector/mirrorDown").toBool();
    const int turns = platform::userSetting("Projector/quarterTurns").toInt();
    loaded.quarterTurns = turns >= 0 && turns <= 3 ? turns : defaults.quarterTurns;
    const int mesh = platform::userSetting("Projector/meshSize").toInt();
    loaded.meshSize = mesh == 3 || mesh == 5 ? mesh : defaults.meshSize;
    return loaded;
}

bool saveProjectorPreferences(const ProjectorPreferences& preferences)
{
    return platform::storeUserSettings(
        {{"Projector/screen", preferences.screenName},
         {"Projector/whiteOnBlack", preferences.whiteOnBlack},
         {"Projector/lineWidth", preferences.lineWidth},
         {"Projector/overlay", static_cast<int>(preferences.overlay)},
         {"Projector/mirrorAcross", preferences.mirrorAcross},
         {"Projector/mirrorDown", preferences.mirrorDown},
         {"Projector/quarterTurns", preferences.quarterTurns},
         {"Projector/meshSize", preferences.meshSize}});
}

}  // namespace tavrel::projector
