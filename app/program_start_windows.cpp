#include "app/program_start.h"

#include "platform/executable_folder.h"

#include <QString>
#include <QtGlobal>

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

namespace tavrel::app {
namespace {

bool hasHandle(DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

}  // namespace

void prepareProgramStart()
{
    // The PDF pages are set in DejaVu Sans, which Windows does not have: the program brings it,
    // for Qt's offscreen platform that the command line draws on.
    if (!qEnvironmentVariableIsSet("QT_QPA_FONTDIR"))
        qputenv("QT_QPA_FONTDIR", (platform::executableFolder() + "/fonts").toUtf8());

    // A program with windows gets no console of its own. Started from one, --help, --version and
    // the export messages go to that console; output already sent to a file or pipe stays there.
    const bool out = hasHandle(STD_OUTPUT_HANDLE);
    const bool err = hasHandle(STD_ERROR_HANDLE);
    if ((out && err) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    if (!out) std::freopen("CONOUT$", "w", stdout);
    if (!err) std::freopen("CONOUT$", "w", stderr);
}

void takeProgramArguments(int& argc, char**& argv)
{
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return;
    // Kept for the whole run, as argv is.
    static std::vector<std::string> utf8;
    static std::vector<char*> pointers;
    for (int i = 0; i < count; ++i)
        utf8.push_back(QString::fromWCharArray(wide[i]).toStdString());
    LocalFree(wide);
    for (std::string& argument : utf8) pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    argc = count;
    argv = pointers.data();
}

// Windows always has one.
bool displayNamed(int, char**)
{
    return true;
}

}  // namespace tavrel::app
