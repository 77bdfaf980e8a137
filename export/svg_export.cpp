#include "export/svg_export.h"

#include "export/document_titles.h"
#include "export/trimmed_outline.h"

#include <QPainterPath>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tavrel::exporting {
namespace {

// To a ten-thousandth of a millimeter; a value that rounds to nothing is 0, never "-0.0000".
QString number(double value)
{
    const QString text = QString::number(value, 'f', 4);
    return text == QLatin1String("-0.0000") || text == QLatin1String("0.0000") ? QString('0') : text;
}

QString point(const QPointF& p)
{
    return number(p.x()) + ' ' + number(p.y());
}

// The path's moves, lines and cubic curves as SVG path data.
QString pathData(const QPainterPath& path)
{
    QString data;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            data += " M " + point(e);
        } else if (e.isLineTo()) {
            data += " L " + point(e);
        } else if (e.isCurveTo()) {
            data += " C " + point(e) + ' ' + point(path.elementAt(i + 1)) + ' ' +
                    point(path.elementAt(i + 2));
            i += 2;
        }
    }
    return data.trimmed();
}

// An arc as cubic curves of at most a quarter circle each, which stay within 0.03 % of the
// radius from the circle; their ends lie exactly on it, so that a trimmed end stays on the edge.
void addArc(QPainterPath& path, const OutlineArc& arc, double scale)
{
    const QPointF centre = arc.centre * scale;
    const double radius = arc.radius * scale;
    const int curves = std::max(1, int(std::ceil(arc.sweepDegrees / 90.0 - 1e-9)));
    const double step = arc.sweepDegrees / curves * std::numbers::pi / 180.0;
    const double handle = 4.0 / 3.0 * std::tan(step / 4) * radius;
    // y grows downwards: the angle turns counter-clockwise as seen on screen.
    const auto pointAt = [&](double a) {
        return centre + radius * QPointF(std::cos(a), -std::sin(a));
    };
    const auto forwardAt = [](double a) { return QPointF(-std::sin(a), -std::cos(a)); };
    double from = arc.startDegrees * std::numbers::pi / 180.0;
    path.moveTo(pointAt(from));
    for (int i = 0; i < curves; ++i, from += step) {
        const double to = from + step;
        path.cubicTo(pointAt(from) + handle * forwardAt(from), pointAt(to) - handle * forwardAt(to),
                     pointAt(to));
    }
}

// The outline of the shapes inside the picture, in millimeters.
QPainterPath outlineOf(const std::vector<picture::Shape>& shapes, QSize picture, double scale)
{
    QPainterPath path;
    for (const picture::Shape& shape : shapes)
        for (const OutlinePiece& piece : trimmedOutline(shape, picture)) {
            if (const auto* line = std::get_if<QLineF>(&piece)) {
                path.moveTo(line->p1() * scale);
                path.lineTo(line->p2() * scale);
                continue;
            }
            addArc(path, std::get<OutlineArc>(piece), scale);
        }
    return path;
}

void writeGroup(QXmlStreamWriter& xml, const char* id, const char* colour,
                const QPainterPath& outline, double strokeWidth)
{
    xml.writeStartElement("g");
    xml.writeAttribute("id", id);
    xml.writeAttribute("fill", "none");
    xml.writeAttribute("stroke", colour);
    xml.writeAttribute("stroke-width", number(strokeWidth));
    xml.writeAttribute("stroke-linecap", "square");
    if (!outline.isEmpty()) {
        xml.writeEmptyElement("path");
        xml.writeAttribute("d", pathData(outline));
    }
    xml.writeEndElement();
}

}  // namespace

bool writeSvg(const PatternLayers& layers, int dotsPerInch, QIODevice& device)
{
    const double millimetersPerPixel = 25.4 / dotsPerInch;
    const QString width = number(layers.size.width() * millimetersPerPixel);
    const QString height = number(layers.size.height() * millimetersPerPixel);

    QXmlStreamWriter xml(&device);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement("svg");
    xml.writeDefaultNamespace("http://www.w3.org/2000/svg");
    xml.writeAttribute("version", "1.1");
    xml.writeAttribute("width", width + "mm");
    xml.writeAttribute("height", height + "mm");
    xml.writeAttribute("viewBox", "0 0 " + width + ' ' + height);
    xml.writeTextElement("title", patternTitle());
    xml.writeTextElement("desc", patternDescription());
    // Strokes one picture pixel wide, centred on the lines that a cutter follows.
    writeGroup(xml, "figure", "#000000", outlineOf(layers.figure, layers.size, millimetersPerPixel),
               millimetersPerPixel);
    writeGroup(xml, "ruler", "#0000FF", outlineOf(layers.ruler, layers.size, millimetersPerPixel),
               millimetersPerPixel);
    xml.writeEndDocument();
    return !xml.hasError();
}

}  // namespace tavrel::exporting
