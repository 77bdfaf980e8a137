#include "app/decimal_comma.h"

#include "app/translations.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace tavrel::app {
namespace {

class CommaAsPoint : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress ||
            !commaTypesPoint(static_cast<const QKeyEvent&>(*event)))
            return false;
        static_cast<QLineEdit*>(watched)->insert(".");
        return true;
    }
};

}  // namespace

bool commaTypesPoint(const QKeyEvent& key)
{
    return key.text() == "," && !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
           interfaceLocale().decimalPoint() == ",";
}

void typePointForComma(QLineEdit& box)
{
    box.installEventFilter(new CommaAsPoint(&box));
}

}  // namespace tavrel::app
