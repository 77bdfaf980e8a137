#pragma once
// The headless command line: tavrel --unit ... --measure ... --export FILE [--dpi N].

#include <optional>

namespace tavrel::cli {

// Runs the command line when it holds any of our options (export, help, version) and returns
// the exit code: 0 done, 1 nothing written, 2 wrong options. nullopt means: open the window;
// arguments that are not ours are then left to the window toolkit.
std::optional<int> runCommandLine(int argc, char** argv);

}  // namespace tavrel::cli
