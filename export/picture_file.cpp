#include "export/picture_file.h"

#include "export/dxf_export.h"
#include "export/export_file.h"
#include "export/file_name.h"
#include "export/png_export.h"
#include "export/svg_export.h"
#include "measure/physical_units.h"
#include "picture/pattern_image.h"
#include "picture/picture_ink.h"

#include <QCoreApplication>
#include <QIODevice>

#include <cmath>

namespace tavrel::exporting {
namespace {

enum class Format { Png, Svg, Pdf, Dxf, Unknown };

Format formatOf(const std::filesystem::path& file)
{
    const QString path = shownName(file);
    if (path.endsWith(".png", Qt::CaseInsensitive)) return Format::Png;
    if (path.endsWith(".svg", Qt::CaseInsensitive)) return Format::Svg;
    if (path.endsWith(".pdf", Qt::CaseInsensitive)) return Format::Pdf;
    if (path.endsWith(".dxf", Qt::CaseInsensitive)) return Format::Dxf;
    return Format::Unknown;
}

// Less than a pixel high, the picture has nothing a file could show.
bool showsNothing(const pattern::PatternPlan& plan)
{
    const picture::PersistentImage image = picture::patternImage(plan);
    return !picture::PictureInk(image).within(QRectF(QPointF(0, 0), QSizeF(image.size)));
}

}  // namespace

QString unsupportedFormatProblem(const std::filesystem::path& path)
{
    if (formatOf(path) != Format::Unknown) return {};
    return QCoreApplication::translate(
               "PictureFile",
               "Cannot export to \"%1\": the file name must end in .png, .svg, .pdf or .dxf.")
        .arg(shownName(path));
}

QString savePicture(const pattern::PatternPlan& plan, const PictureFile& file)
{
    if (QString problem = unsupportedFormatProblem(file.path); !problem.isEmpty()) return problem;
    if (showsNothing(plan))
        return QCoreApplication::translate(
            "PictureFile",
            "Too small to draw. At this measurement the pattern is less than one pixel high.");
    const Format format = formatOf(file.path);
    // PNG, SVG and DXF record whole dots per inch; a screen's twips per pixel come from them.
    const int dpi = int(std::lround(measure::kTwipsPerInch / file.twipsPerPixel));
    return saveFileAtomically(file.path, [&](QIODevice& device) {
        switch (format) {
            case Format::Png:
                return writePng(picture::patternImage(plan), dpi, device);
            case Format::Svg:
                return writeSvg(patternLayers(plan), dpi, device);
            case Format::Pdf:
                return writePdf(picture::patternImage(plan), file.twipsPerPixel, file.ruler,
                                file.paper, device, file.correction);
            case Format::Dxf:
                return writeDxf(patternLayers(plan), dpi, file.ruler, device);
            case Format::Unknown:
                break;
        }
        return false;
    });
}

}  // namespace tavrel::exporting
