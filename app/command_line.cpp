#include "command_line.h"

namespace tavrel::app {

std::optional<int> runCommandLine(int, char**) { return std::nullopt; }

}  // namespace tavrel::app
