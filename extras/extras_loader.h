#pragma once
// The program's table of the extras: each entry loads the module beside the program the first
// time one of them is used, then calls into it, or says that the module is missing or damaged.

#include "extras/extras.h"

namespace tavrel::extras {

const Extras& tableOnFirstUse();

}  // namespace tavrel::extras
