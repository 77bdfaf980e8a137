#include "platform/decimal_comma.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

namespace tavrel::platform {
namespace {

// A plain comma key, where the system writes decimals with a comma.
bool typesPoint(const QKeyEvent& key)
{
    return key.text() == "," && !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
           commaTypesPoint();
}

class CommaAsPoint : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) return false;
        const auto& comma = static_cast<const QKeyEvent&>(*event);
        if (!typesPoint(comma)) return false;
        // The point goes through the box's other filters as a typed point would.
        QKeyEvent point(QEvent::KeyPress, Qt::Key_Period, comma.modifiers(), ".");
        QCoreApplication::sendEvent(watched, &point);
        return true;
    }
};

}  // namespace

bool commaTypesPoint()
{
    return QLocale::system().decimalPoint() == ",";
}

void typePointForComma(QLineEdit& box)
{
    box.installEventFilter(new CommaAsPoint(&box));
}

QChar typedCharacter(QChar character)
{
    return character == ',' && commaTypesPoint() ? QChar('.') : character;
}

}  // namespace tavrel::platform
