#include "app/no_display.h"

#include "platform/translations.h"

#include <QCoreApplication>

#include <cstdio>

namespace tavrel::app {

int sayNoDisplay(int argc, char** argv)
{
    // For the translators; it opens no window.
    const QCoreApplication application(argc, argv);
    platform::installTranslations(platform::languageOption(argc, argv));
    //: The command stays as it is: it must be typed so.
    const QString text = QCoreApplication::translate(
        "Program",
        "there is no display to open the window on. To export a pattern to a file instead: "
        "tavrel --unit fractions --measure \"2 1/2\" --export pattern.png (see tavrel --help)");
    std::fprintf(stderr, "tavrel: %s\n", text.toLocal8Bit().constData());
    return 1;
}

}  // namespace tavrel::app
