#include "export/picture_file.h"

#include "export/export_file.h"
#include "export/png_export.h"
#include "export/svg_export.h"
#include "measure/physical_units.h"

#include <QIODevice>

#include <cmath>

namespace tavrel::exporting {
namespace {

enum class Format { Png, Svg, Pdf, Unknown };

Format formatOf(const QString& path)
{
    if (path.endsWith(".png", Qt::CaseInsensitive)) return Format::Png;
    if (path.endsWith(".svg", Qt::CaseInsensitive)) return Format::Svg;
    if (path.endsWith(".pdf", Qt::CaseInsensitive)) return Format::Pdf;
    return Format::Unknown;
}

}  // namespace

QString unsupportedFormatProblem(const QString& path)
{
    if (formatOf(path) != Format::Unknown) return {};
    return QString("Cannot export to \"%1\": the file name must end in .png, .svg or .pdf.")
        .arg(path);
}

QString savePicture(const picture::PersistentImage& image, const PictureFile& file)
{
    if (QString problem = unsupportedFormatProblem(file.path); !problem.isEmpty()) return problem;
    const Format format = formatOf(file.path);
    // PNG and SVG record whole dots per inch; a screen's twips per pixel come from them.
    const int dpi = int(std::lround(measure::kTwipsPerInch / file.twipsPerPixel));
    return saveFileAtomically(file.path, [&](QIODevice& device) {
        switch (format) {
            case Format::Png:
                return writePng(image, dpi, device);
            case Format::Svg:
                return writeSvg(image, dpi, device);
            case Format::Pdf:
                return writePdf(image, file.twipsPerPixel, file.ruler, file.paper, device,
                                file.correction);
            case Format::Unknown:
                break;
        }
        return false;
    });
}

}  // namespace tavrel::exporting
