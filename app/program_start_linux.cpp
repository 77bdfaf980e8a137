#include "app/program_start.h"

#include <QtGlobal>

#include <csignal>
#include <string_view>

namespace tavrel::app {

void prepareProgramStart()
{
    // Beyond a file size limit, a write then fails with "File too large", which is reported,
    // instead of the signal ending the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
}

void takeProgramArguments(int&, char**&) {}

bool displayNamed(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-platform" || argument == "--platform" || argument == "-display" ||
            argument == "--display")
            return true;
    }
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace tavrel::app
