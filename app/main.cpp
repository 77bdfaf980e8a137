#include "app/command_line.h"
#include "app/frm_main.h"
#include "platform/deferred_icons.h"

#include <QApplication>

#include <csignal>

int main(int argc, char** argv)
{
    // Beyond a file size limit, a write then fails with "File too large", which is reported,
    // instead of the signal ending the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    if (const auto exitCode = tavrel::app::runCommandLine(argc, argv)) return *exitCode;

    QApplication application(argc, argv);
    QApplication::setApplicationName("Tavrel");
    tavrel::platform::deferOverflowIcons(application);
    tavrel::app::frmMain window;
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
