#pragma once
// What the first window does not need, kept in a module beside the program and loaded on first
// use: printing (with libcups), the guide and the exports of the window and the
// command line (with qpdf). The window and the command line reach them through one table: the
// program's loader fills it with calls into the module, tests with the real functions.

#include "export/picture_file.h"
#include "printing/printer.h"

#include <optional>

class QString;
class QWidget;

namespace tavrel::extras {

struct Extras {
    decltype(&printing::printOnDefaultPrinter) printOnDefaultPrinter;
    decltype(&printing::defaultPrinter) defaultPrinter;
    decltype(&printing::printCalibrationSheet) printCalibrationSheet;
    bool (*showHelp)(QWidget* parent, const QString& path);
    std::optional<int> (*runCommandLine)(int argc, char** argv);
    decltype(&exporting::savePicture) savePicture;
};

// The module's one exported function returns its table.
inline constexpr const char* kExtrasEntryPoint = "tavrel_extras";
using ExtrasEntryPoint = const Extras* (*)();

// The table every call goes through; set once, before the first call.
const Extras& table();
void setTable(const Extras& table);

}  // namespace tavrel::extras
