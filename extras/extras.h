#pragma once
// What the first window does not need, kept in a module beside the program and loaded on first
// use: printing (with libcups), the guide and the exports of the window and the
// command line (with qpdf). The program reaches these functions through the loader, which defines
// them by calling into the module; tests link the real definitions directly.

#include "export/picture_file.h"
#include "printing/printer.h"

#include <optional>

class QString;
class QWidget;

namespace tavrel::app {

struct Extras {
    decltype(&platform::printOnDefaultPrinter) printOnDefaultPrinter;
    decltype(&platform::defaultPrinter) defaultPrinter;
    decltype(&platform::printCalibrationSheet) printCalibrationSheet;
    bool (*showHelp)(QWidget* parent, const QString& path);
    std::optional<int> (*runCommandLine)(int argc, char** argv);
    decltype(&exporting::savePicture) savePicture;
};

// The module's one exported function returns its table.
inline constexpr const char* kExtrasEntryPoint = "tavrel_extras";
using ExtrasEntryPoint = const Extras* (*)();

}  // namespace tavrel::app
