#include "export/pattern_export.h"

#include "export/measurement_text.h"
#include "export/picture_file.h"
#include "export/too_large_message.h"
#include "measure/physical_units.h"
#include "pattern/drawing.h"

#include <QCoreApplication>

namespace tavrel::exporting {

QString exportPattern(const ExportRequest& request)
{
    if (QString problem = unsupportedFormatProblem(request.path); !problem.isEmpty())
        return problem;

    const float twipsPerPixel = measure::twipsPerPixelForDpi(request.dotsPerInch);
    const pattern::Screen screen{twipsPerPixel, twipsPerPixel};
    const auto drawing = pattern::prepareDrawing(request.measurement, request.unit, screen);
    if (drawing.tooLarge())
        return tooLargeMessage(request.unit, screen, commandLineDecimalMark());
    if (!drawing.plan)
        return QCoreApplication::translate("PatternExport",
                                           "Nothing to draw: \"%1\" is not a measurement above 0.")
            .arg(QString::fromStdString(request.measurement));

    return savePicture(*drawing.plan,
                       {request.path, twipsPerPixel, measure::unitSystemOf(request.unit),
                        request.paper.value_or(defaultPaper()), request.correction});
}

}  // namespace tavrel::exporting
