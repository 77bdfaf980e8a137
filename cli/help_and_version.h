#pragma once
// The command line's help and version. The program answers them itself, without loading its
// module: they must work where the module is missing or damaged.

#include "export/paper.h"

#include <QString>

#include <optional>

namespace tavrel::cli {

// The papers of one group in the table's order, as "a2, a1, a0, arch-d or arch-e"; each Arch
// sheet followed by its size with `withSizes`.
QString paperList(exporting::PaperGroup group, bool withSizes = false);

// Print the help or the version, in the language installed, and return the exit code.
int showHelp();
int showVersion();

// The exit code when the arguments ask for the help or the version and nothing else but a
// language; nullopt otherwise.
std::optional<int> runHelpOrVersion(int argc, char** argv);

}  // namespace tavrel::cli
