#pragma once
// The module's table: the real printing, guide, saving and command line. The module hands it to
// the program; tests that link these parts directly set it as the table the window calls.

#include "extras/extras.h"

namespace tavrel::extras {

const Extras& moduleTable();

}  // namespace tavrel::extras
