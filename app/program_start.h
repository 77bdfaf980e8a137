#pragma once
// What the system must have settled before the program does anything else.

namespace tavrel::app {

void prepareProgramStart();

}  // namespace tavrel::app
