#pragma once
// What the system must have settled before the program does anything else.

namespace tavrel::app {

void prepareProgramStart();

// The program's arguments, each in UTF-8 on Windows, whose argv holds only what the system's
// code page can write; elsewhere argv's own bytes.
void takeProgramArguments(int& argc, char**& argv);

}  // namespace tavrel::app
