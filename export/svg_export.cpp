#include "export/svg_export.h"

#include "export/document_titles.h"
#include "pattern/outline_path.h"

#include <QXmlStreamWriter>

namespace tavrel::exporting {
namespace {

QString number(double value)
{
    return QString::fromStdString(pattern::tenThousandths(value));
}

void writeGroup(QXmlStreamWriter& xml, const char* id, const char* colour,
                const std::string& outline, double strokeWidth)
{
    xml.writeStartElement("g");
    xml.writeAttribute("id", id);
    xml.writeAttribute("fill", "none");
    xml.writeAttribute("stroke", colour);
    xml.writeAttribute("stroke-width", number(strokeWidth));
    xml.writeAttribute("stroke-linecap", "square");
    if (!outline.empty()) {
        xml.writeEmptyElement("path");
        xml.writeAttribute("d", QString::fromStdString(outline));
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
    const auto outline = [&](const std::vector<pattern::Shape>& shapes) {
        return pattern::outlinePathData(shapes, picture::pixelSize(layers.size),
                                        millimetersPerPixel);
    };
    writeGroup(xml, "figure", "#000000", outline(layers.figure), millimetersPerPixel);
    writeGroup(xml, "ruler", "#0000FF", outline(layers.ruler), millimetersPerPixel);
    xml.writeEndDocument();
    return !xml.hasError();
}

}  // namespace tavrel::exporting
