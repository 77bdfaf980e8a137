// The texts the tests check are English: each test program, and the program it starts, speaks
// English whatever language the machine is set to.
#include <cstdlib>

namespace {

const bool english = [] {
    setenv("LC_ALL", "C.UTF-8", 1);
    unsetenv("LANGUAGE");
    return true;
}();

}  // namespace
