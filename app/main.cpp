#include "app/frm_main.h"
#include "app/no_display.h"
#include "app/program_start.h"
#include "extras/extras_loader.h"
#include "platform/deferred_icons.h"
#include "platform/settings_notice.h"
#include "platform/translations.h"
#include "platform/user_settings.h"

#include <QApplication>

#include <clocale>
#include <cstdio>

int main(int argc, char** argv)
{
    tavrel::app::prepareProgramStart();
    tavrel::app::takeProgramArguments(argc, argv);
    tavrel::extras::setTable(tavrel::extras::tableOnFirstUse());
    if (const auto exitCode = tavrel::extras::table().runCommandLine(argc, argv)) return *exitCode;
    if (!tavrel::app::displayNamed(argc, argv)) return tavrel::app::sayNoDisplay(argc, argv);

    QApplication application(argc, argv);
    // The application takes the system's locale into the C library; the program's numbers are
    // its own, the same in every language, so the C library keeps writing and reading them so.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("Tavrel");
    const auto language = tavrel::platform::languageOption(argc, argv);
    if (!tavrel::platform::installTranslations(language) && language)
        std::fprintf(stderr, "tavrel: no translation for \"%s\"; speaking English\n",
                     qPrintable(*language));
    tavrel::platform::deferOverflowIcons(application);
    const auto damagedSettingsCopy = tavrel::platform::setAsideDamagedSettings();
    tavrel::app::frmMain window;
    window.Form_Load();
    window.show();
    if (damagedSettingsCopy) tavrel::platform::saySettingsSetAside(&window, *damagedSettingsCopy);
    return QApplication::exec();
}
