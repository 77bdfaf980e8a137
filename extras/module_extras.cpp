#include "extras/module_extras.h"

#include "cli/command_line.h"
#include "helpview/help_viewer.h"

namespace tavrel::extras {

const Extras& moduleTable()
{
    static const Extras table{&printing::printOnDefaultPrinter,
                              &printing::defaultPrinter,
                              &printing::printCalibrationSheet,
                              &help::showHelp,
                              &cli::runCommandLine,
                              &exporting::savePicture};
    return table;
}

}  // namespace tavrel::extras
