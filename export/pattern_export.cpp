#include "export/pattern_export.h"

#include "export/measurement_text.h"
#include "export/picture_file.h"
#include "measure/physical_units.h"
#include "pattern/drawing.h"

#include <QCoreApplication>

namespace tavrel::exporting {
namespace {

QString tooLarge(measure::Unit unit, const QString& largest)
{
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

}  // namespace

QString exportPattern(const ExportRequest& request)
{
    if (QString problem = unsupportedFormatProblem(request.path); !problem.isEmpty())
        return problem;

    const float twipsPerPixel = measure::twipsPerPixelForDpi(request.dotsPerInch);
    const pattern::Screen screen{twipsPerPixel, twipsPerPixel};
    const auto drawing = pattern::prepareDrawing(request.measurement, request.unit, screen);
    if (drawing.tooLarge())
        return tooLarge(request.unit,
                        measurementText(pattern::largestMeasurementText(request.unit, screen)));
    if (!drawing.plan)
        return QCoreApplication::translate("PatternExport",
                                           "Nothing to draw: \"%1\" is not a measurement above 0.")
            .arg(QString::fromStdString(request.measurement));

    const CheckRuler ruler =
        request.unit == measure::Unit::Millimeter ? CheckRuler::Centimeter : CheckRuler::Inch;
    return savePicture(*drawing.plan, {request.path, twipsPerPixel, ruler,
                                       request.paper.value_or(defaultPaper()), request.correction});
}

}  // namespace tavrel::exporting
