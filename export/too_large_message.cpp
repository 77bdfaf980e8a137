#include "export/too_large_message.h"

#include "export/measurement_text.h"
#include "pattern/drawing.h"

#include <QCoreApplication>

namespace tavrel::exporting {

QString tooLargeMessage(measure::Unit unit, pattern::Screen screen, QChar decimalMark)
{
    const QString largest =
        measurementText(pattern::largestMeasurementText(unit, screen), decimalMark);
    if (unit == measure::Unit::Millimeter)
        //: %1 is a number, such as 2312.
        return QCoreApplication::translate(
                   "PatternExport", "Too large to draw. The largest measurement is %1 millimeters.")
            .arg(largest);
    //: %1 is a number, such as 91.02 or 91.
    return QCoreApplication::translate("PatternExport",
                                       "Too large to draw. The largest measurement is %1 inches.")
        .arg(largest);
}

}  // namespace tavrel::exporting
