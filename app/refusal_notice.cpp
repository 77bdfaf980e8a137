#include "app/refusal_notice.h"

#include <QCoreApplication>

namespace tavrel::app {
namespace {

QString translated(const char* text) { return QCoreApplication::translate("RefusalNotice", text); }

QString nameOf(QChar character)
{
    switch (character.unicode()) {
    case ' ': return translated(QT_TRANSLATE_NOOP("RefusalNotice", "space"));
    case 0x00A0:
    case 0x202F: return translated(QT_TRANSLATE_NOOP("RefusalNotice", "no-break space"));
    case '\t': return translated(QT_TRANSLATE_NOOP("RefusalNotice", "tab"));
    case '\n':
    case '\r':
    case 0x2028:
    case 0x2029: return translated(QT_TRANSLATE_NOOP("RefusalNotice", "line break"));
    case '.': return translated(QT_TRANSLATE_NOOP("RefusalNotice", "point"));
    case ',': return translated(QT_TRANSLATE_NOOP("RefusalNotice", "comma"));
    case '/': return translated(QT_TRANSLATE_NOOP("RefusalNotice", "slash"));
    default: break;
    }
    if (character.isPrint() && !character.isSpace())
        return translated(QT_TRANSLATE_NOOP("RefusalNotice", "“%1”")).arg(character);
    // Other spaces and characters that show as nothing, by their number.
    const QString number = QString::number(character.unicode(), 16).toUpper().rightJustified(4, '0');
    return translated(QT_TRANSLATE_NOOP("RefusalNotice", "character U+%1")).arg(number);
}

}  // namespace

QString refusalNotice(Arrival arrival, QChar refused, measure::Refusal::Why why)
{
    using Why = measure::Refusal::Why;
    const bool pasted = arrival == Arrival::Pasted;
    const char* text = nullptr;
    switch (why) {
    case Why::NotTaken:
        text = pasted ? QT_TRANSLATE_NOOP("RefusalNotice", "Nothing was pasted: the box takes no %1.")
                      : QT_TRANSLATE_NOOP("RefusalNotice", "Nothing was dropped: the box takes no %1.");
        break;
    case Why::OnlyOne:
        text = pasted
                   ? QT_TRANSLATE_NOOP("RefusalNotice", "Nothing was pasted: the box takes only one %1.")
                   : QT_TRANSLATE_NOOP("RefusalNotice", "Nothing was dropped: the box takes only one %1.");
        break;
    case Why::NotFirst:
        text = pasted ? QT_TRANSLATE_NOOP("RefusalNotice",
                                          "Nothing was pasted: the box takes no %1 at the start.")
                      : QT_TRANSLATE_NOOP("RefusalNotice",
                                          "Nothing was dropped: the box takes no %1 at the start.");
        break;
    }
    return translated(text).arg(nameOf(refused));
}

}  // namespace tavrel::app
