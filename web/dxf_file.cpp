#include "web/dxf_file.h"

#include "pattern/dxf_placement.h"
#include "pattern/trimmed_outline.h"
#include "web/drawn_pattern.h"
#include "web/dxf_frame.h"

#include <cmath>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tavrel::web {
namespace {

using pattern::kInsUnitsInch;
using pattern::kInsUnitsMillimeter;
using pattern::kMeasurementImperial;
using pattern::kMeasurementMetric;
using pattern::normalisedDegrees;
using Placement = pattern::DxfPlacement;

// A real number in fixed notation with a point, which every DXF reader accepts, and with the
// seventeen significant digits that read back as the same double; no trailing zeros.
std::string real(double value)
{
    char scientific[32];
    std::snprintf(scientific, sizeof scientific, "%.16e", value);
    const int exponent = std::atoi(std::strchr(scientific, 'e') + 1);
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", std::max(1, 16 - exponent), value);
    // The locale's decimal mark sits between the whole part and the decimals.
    const std::string_view printed = buffer;
    const std::size_t mark = printed.find_first_not_of("-0123456789");
    std::string text(printed.substr(0, mark));
    text += '.';
    text += printed.substr(printed.find_first_of("0123456789", mark));
    while (text.back() == '0' && text[text.size() - 2] != '.') text.pop_back();
    return text;
}

class Groups {
public:
    void add(int code, std::string_view value)
    {
        char padded[8];
        std::snprintf(padded, sizeof padded, "%3d\n", code);
        text_ += padded;
        text_ += value;
        text_ += '\n';
    }
    void add(int code, double value) { add(code, real(value)); }
    void add(int code, int value) { add(code, std::to_string(value)); }
    void raw(const std::string& text) { text_ += text; }
    // The next entity's handle.
    std::string handle() { return dxfHandle(nextHandle_++); }
    unsigned nextHandle() const { return nextHandle_; }
    const std::string& text() const { return text_; }

private:
    std::string text_;
    unsigned nextHandle_ = kFirstEntityHandle;
};

void writeHeader(Groups& dxf, measure::UnitSystem units, const Placement& place,
                 pattern::PixelSize picture)
{
    const bool inch = units == measure::UnitSystem::Inch;
    dxf.add(0, "SECTION");
    dxf.add(2, "HEADER");
    dxf.add(9, "$ACADVER");
    dxf.add(1, "AC1015");
    dxf.add(9, "$HANDSEED");
    dxf.add(5, "FFFF");
    dxf.add(9, "$INSUNITS");
    dxf.add(70, inch ? kInsUnitsInch : kInsUnitsMillimeter);
    dxf.add(9, "$MEASUREMENT");
    dxf.add(70, inch ? kMeasurementImperial : kMeasurementMetric);
    // The picture's extent, so that a program zooms to the whole pattern on opening it.
    dxf.add(9, "$EXTMIN");
    dxf.add(10, 0.0);
    dxf.add(20, 0.0);
    dxf.add(30, 0.0);
    dxf.add(9, "$EXTMAX");
    dxf.add(10, place.x(picture.width));
    dxf.add(20, place.y(0));
    dxf.add(30, 0.0);
    dxf.add(0, "ENDSEC");
}

// The groups every entity starts with: its kind, handle and layer; colour, line weight and line
// type follow the layer.
void startEntity(Groups& dxf, std::string_view kind, std::string_view layer)
{
    dxf.add(0, kind);
    dxf.add(5, dxf.handle());
    dxf.add(100, "AcDbEntity");
    dxf.add(8, layer);
    dxf.add(62, 256);
    dxf.add(370, -1);
    dxf.add(48, 1.0);
    dxf.add(6, "BYLAYER");
}

void writeShapes(Groups& dxf, const std::vector<pattern::Shape>& shapes, std::string_view layer,
                 const Placement& place, pattern::PixelSize picture)
{
    for (const pattern::Shape& shape : shapes)
        for (const pattern::OutlinePiece& piece : pattern::trimmedOutline(shape, picture)) {
            if (const auto* line = std::get_if<pattern::Segment>(&piece)) {
                startEntity(dxf, "LINE", layer);
                dxf.add(100, "AcDbLine");
                dxf.add(10, place.x(line->x1));
                dxf.add(20, place.y(line->y1));
                dxf.add(30, 0.0);
                dxf.add(11, place.x(line->x2));
                dxf.add(21, place.y(line->y2));
                dxf.add(31, 0.0);
                continue;
            }
            // Flipping y keeps counter-clockwise as seen on screen counter-clockwise.
            const auto& arc = std::get<pattern::OutlineArc>(piece);
            const bool whole = arc.sweepDegrees >= 360.0;
            startEntity(dxf, whole ? "CIRCLE" : "ARC", layer);
            dxf.add(100, "AcDbCircle");
            dxf.add(10, place.x(arc.centre.x));
            dxf.add(20, place.y(arc.centre.y));
            dxf.add(30, 0.0);
            dxf.add(40, arc.radius * place.unitsPerPixel);
            if (whole) continue;
            dxf.add(100, "AcDbArc");
            dxf.add(50, normalisedDegrees(arc.startDegrees));
            dxf.add(51, normalisedDegrees(arc.startDegrees + arc.sweepDegrees));
        }
}

}  // namespace

std::optional<std::string> dxfFile(std::string_view measurement, measure::Unit unit,
                                   int dotsPerInch)
{
    const std::optional<DrawnPattern> drawn = drawnPattern(measurement, unit, dotsPerInch);
    if (!drawn) return std::nullopt;
    const double unitsPerInch = drawn->units == measure::UnitSystem::Inch ? 1.0 : 25.4;
    const Placement place{unitsPerInch / drawn->dotsPerInch, double(drawn->size.height)};
    Groups dxf;
    writeHeader(dxf, drawn->units, place, drawn->size);
    dxf.raw(dxfTablesAndBlocks());
    dxf.add(0, "SECTION");
    dxf.add(2, "ENTITIES");
    writeShapes(dxf, drawn->figure, "CUT", place, drawn->size);
    writeShapes(dxf, drawn->ruler, "RULER", place, drawn->size);
    dxf.add(0, "ENDSEC");
    dxf.raw(dxfObjects(dxf.nextHandle()));
    return dxf.text();
}

}  // namespace tavrel::web
