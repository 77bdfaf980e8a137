#include "app/program_start.h"

#include <csignal>

namespace tavrel::app {

void prepareProgramStart()
{
    // Beyond a file size limit, a write then fails with "File too large", which is reported,
    // instead of the signal ending the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
}

void takeProgramArguments(int&, char**&) {}

}  // namespace tavrel::app
