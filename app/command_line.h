#pragma once
// The headless command line: tavrel --unit ... --measure ... --export FILE [--dpi N].

#include <optional>

namespace tavrel::app {

// Runs the command line when it asks for something other than the window (export, help,
// version, or a usage error) and returns the exit code; nullopt means: open the window.
std::optional<int> runCommandLine(int argc, char** argv);

}  // namespace tavrel::app
