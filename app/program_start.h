#pragma once
// What the system must have settled before the program does anything else.

namespace tavrel::app {

void prepareProgramStart();

// The program's arguments, each in UTF-8 on Windows, whose argv holds only what the system's
// code page can write; elsewhere argv's own bytes.
void takeProgramArguments(int& argc, char**& argv);

// Whether there is a display for the window: false where none is named, as over ssh without
// X forwarding, where the window toolkit would end the program with a core dump. A platform or
// display the user chose (-platform offscreen, -display :1) is the toolkit's to try.
bool displayNamed(int argc, char** argv);

}  // namespace tavrel::app
