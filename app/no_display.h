#pragma once
// What the program says when it has no display to open its window on.

namespace tavrel::app {

// Says, in the language of the arguments or the system, that there is no display and how to
// export instead; returns the exit code.
int sayNoDisplay(int argc, char** argv);

}  // namespace tavrel::app
