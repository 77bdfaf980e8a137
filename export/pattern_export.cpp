#include "export/pattern_export.h"

#include "export/dxf_export.h"
#include "export/export_file.h"
#include "export/pdf_export.h"
#include "export/png_export.h"
#include "export/svg_export.h"
#include "measure/physical_units.h"
#include "pattern/drawing.h"
#include "picture/pattern_image.h"

#include <QIODevice>

namespace tavrel::exporting {
namespace {

enum class Format { Png, Svg, Pdf, Dxf, Unknown };

Format formatOf(const QString& path)
{
    if (path.endsWith(".png", Qt::CaseInsensitive)) return Format::Png;
    if (path.endsWith(".svg", Qt::CaseInsensitive)) return Format::Svg;
    if (path.endsWith(".pdf", Qt::CaseInsensitive)) return Format::Pdf;
    if (path.endsWith(".dxf", Qt::CaseInsensitive)) return Format::Dxf;
    return Format::Unknown;
}

}  // namespace

QString exportPattern(const ExportRequest& request)
{
    const Format format = formatOf(request.path);
    if (format == Format::Unknown)
        return QString(
                   "Cannot export to \"%1\": the file name must end in .png, .svg, .pdf or .dxf.")
            .arg(request.path);

    const float twipsPerPixel = measure::twipsPerPixelForDpi(request.dotsPerInch);
    const pattern::Screen screen{twipsPerPixel, twipsPerPixel};
    const auto drawing = pattern::prepareDrawing(request.measurement, request.unit, screen);
    if (drawing.tooLarge())
        return QString("Too large to draw. The largest measurement is %1.")
            .arg(QString::fromStdString(pattern::largestMeasurementWithUnit(request.unit, screen)));
    if (!drawing.plan)
        return QString("Nothing to draw: \"%1\" is not a measurement above 0.")
            .arg(QString::fromStdString(request.measurement));

    const picture::PersistentImage image = picture::patternImage(*drawing.plan);
    const int dpi = request.dotsPerInch;
    const CheckRuler ruler =
        request.unit == measure::Unit::Millimeter ? CheckRuler::Centimeter : CheckRuler::Inch;
    return saveFileAtomically(request.path, [&](QIODevice& device) {
        switch (format) {
        case Format::Png: return writePng(image, dpi, device);
        case Format::Svg:
            return writeSvg(patternLayers(*drawing.plan), dpi, device);
        case Format::Pdf:
            return writePdf(image, twipsPerPixel, ruler, request.paper.value_or(defaultPaper()),
                            device);
        case Format::Dxf:
            return writeDxf(patternLayers(*drawing.plan), dpi,
                            ruler == CheckRuler::Centimeter ? DxfUnit::Millimetre : DxfUnit::Inch,
                            device);
        case Format::Unknown: break;
        }
        return false;
    });
}

}  // namespace tavrel::exporting
