#include "web/svg_file.h"

#include "pattern/outline_path.h"
#include "web/drawn_pattern.h"

namespace tavrel::web {
namespace {

// Text as XML writes it inside an element or an attribute.
std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '&': out += "&amp;"; break;
            case '"': out += "&quot;"; break;
            default:
                // Control characters other than tabs and line breaks have no place in XML.
                if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r')
                    out += c;
        }
    }
    return out;
}

// Strokes one picture pixel wide, centred on the lines that a cutter follows.
std::string group(const char* id, const char* colour, const std::string& pathData,
                  double strokeWidth)
{
    std::string text = std::string("    <g id=\"") + id + "\" fill=\"none\" stroke=\"" + colour +
                       "\" stroke-width=\"" + pattern::tenThousandths(strokeWidth) +
                       "\" stroke-linecap=\"square\"";
    if (pathData.empty()) return text + "/>\n";
    return text + ">\n        <path d=\"" + pathData + "\"/>\n    </g>\n";
}

}  // namespace

std::optional<std::string> svgFile(std::string_view measurement, measure::Unit unit,
                                   int dotsPerInch, const SvgTitles& titles)
{
    const std::optional<DrawnPattern> drawn = drawnPattern(measurement, unit, dotsPerInch);
    if (!drawn) return std::nullopt;
    const double millimetersPerPixel = 25.4 / drawn->dotsPerInch;
    const std::string width = pattern::tenThousandths(drawn->size.width * millimetersPerPixel);
    const std::string height = pattern::tenThousandths(drawn->size.height * millimetersPerPixel);
    const auto path = [&](const std::vector<pattern::Shape>& shapes) {
        return pattern::outlinePathData(shapes, drawn->size, millimetersPerPixel);
    };
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
           width + "mm\" height=\"" + height + "mm\" viewBox=\"0 0 " + width + ' ' + height +
           "\">\n    <title>" + escaped(titles.title) + "</title>\n    <desc>" +
           escaped(titles.description) + "</desc>\n" +
           group("figure", "#000000", path(drawn->figure), millimetersPerPixel) +
           group("ruler", "#0000FF", path(drawn->ruler), millimetersPerPixel) + "</svg>\n";
}

}  // namespace tavrel::web
