#include "extras/module_extras.h"

#include "cli/command_line.h"
#include "helpview/help_viewer.h"

namespace tavrel::app {

const Extras& moduleExtras()
{
    static const Extras extras{&platform::printOnDefaultPrinter,
                               &platform::defaultPrinter,
                               &platform::printCalibrationSheet,
                               &help::showHelp,
                               &runCommandLine,
                               &exporting::savePicture};
    return extras;
}

}  // namespace tavrel::app
