// Tests that link printing, the guide, saving and the command line directly give the window
// their real functions, as the program's module would.
#include "extras/module_extras.h"

namespace {

const bool filled = [] {
    tavrel::extras::setTable(tavrel::extras::moduleTable());
    return true;
}();

}  // namespace
