#include "command_line.h"
#include "frm_main.h"

#include <QApplication>

int main(int argc, char** argv)
{
    if (const auto exitCode = tavrel::app::runCommandLine(argc, argv)) return *exitCode;

    QApplication application(argc, argv);
    QApplication::setApplicationName("Tavrel");
    tavrel::app::frmMain window;
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
