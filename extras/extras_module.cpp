// The module of lazily loaded parts: its table points at the real functions.
#include "cli/command_line.h"
#include "extras/extras.h"
#include "helpview/help_viewer.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT const tavrel::app::Extras* tavrel_extras()
{
    static const tavrel::app::Extras extras{&tavrel::platform::printOnDefaultPrinter,
                                            &tavrel::platform::defaultPrinter,
                                            &tavrel::platform::printCalibrationSheet,
                                            &tavrel::help::showHelp,
                                            &tavrel::app::runCommandLine,
                                            &tavrel::exporting::savePicture};
    return &extras;
}
