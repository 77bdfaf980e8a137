#include "export/dxf_export.h"

#include "export/dxf_device_writer.h"
#include "pattern/dxf_placement.h"
#include "pattern/trimmed_outline.h"

#include <dxflib/dl_dxf.h>

#include <cmath>

namespace tavrel::exporting {
namespace {

constexpr const char* kCutLayer = "CUT";
constexpr const char* kRulerLayer = "RULER";
constexpr int kLineweightByLayer = -1;
constexpr int kLineweightDefault = -3;

using pattern::kInsUnitsInch;
using pattern::kInsUnitsMillimeter;
using pattern::kMeasurementImperial;
using pattern::kMeasurementMetric;
using pattern::normalisedDegrees;
using Placement = pattern::DxfPlacement;

void writeHeader(DL_Dxf& dxf, DxfDeviceWriter& writer, measure::UnitSystem unit,
                 const Placement& place, QSize picture)
{
    dxf.writeHeader(writer);
    const bool inch = unit == measure::UnitSystem::Inch;
    writer.dxfString(9, "$INSUNITS");
    writer.dxfInt(70, inch ? kInsUnitsInch : kInsUnitsMillimeter);
    writer.dxfString(9, "$MEASUREMENT");
    writer.dxfInt(70, inch ? kMeasurementImperial : kMeasurementMetric);
    // The picture's extent, so that a program zooms to the whole pattern on opening it.
    writer.dxfString(9, "$EXTMIN");
    writer.dxfReal(10, 0.0);
    writer.dxfReal(20, 0.0);
    writer.dxfReal(30, 0.0);
    writer.dxfString(9, "$EXTMAX");
    writer.dxfReal(10, place.x(picture.width()));
    writer.dxfReal(20, place.y(0));
    writer.dxfReal(30, 0.0);
    writer.sectionEnd();
}

// The tables and blocks that an AutoCAD 2000 file must have before its entities.
void writeTables(DL_Dxf& dxf, DxfDeviceWriter& writer)
{
    writer.sectionTables();
    dxf.writeVPort(writer);

    writer.tableLinetypes(3);
    dxf.writeLinetype(writer, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(writer, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(writer, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    writer.tableEnd();

    writer.tableLayers(3);
    const auto layer = [&](const char* name, int colour) {
        dxf.writeLayer(writer, DL_LayerData(name, 0),
                       DL_Attributes("", colour, kLineweightDefault, "CONTINUOUS", 1.0));
    };
    layer("0", DL_Codes::white);
    layer(kCutLayer, DL_Codes::white);  // drawn black on a light background
    layer(kRulerLayer, DL_Codes::blue);
    writer.tableEnd();

    writer.tableStyle(1);
    dxf.writeStyle(writer, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
    writer.tableEnd();
    dxf.writeView(writer);
    dxf.writeUcs(writer);
    writer.tableAppid(1);
    dxf.writeAppid(writer, "ACAD");
    writer.tableEnd();
    dxf.writeDimStyle(writer, 2.5, 1.25, 0.625, 0.625, 2.5);
    dxf.writeBlockRecord(writer);
    writer.tableEnd();
    writer.sectionEnd();

    writer.sectionBlocks();
    for (const char* block : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(writer, DL_BlockData(block, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(writer, block);
    }
    writer.sectionEnd();
}

void writeShapes(DL_Dxf& dxf, DxfDeviceWriter& writer, const std::vector<pattern::Shape>& shapes,
                 const char* layer, const Placement& place, QSize picture)
{
    const DL_Attributes attributes(layer, DL_Codes::bylayer, kLineweightByLayer, "BYLAYER", 1.0);
    for (const pattern::Shape& shape : shapes)
        for (const pattern::OutlinePiece& piece :
             pattern::trimmedOutline(shape, picture::pixelSize(picture))) {
            if (const auto* line = std::get_if<pattern::Segment>(&piece)) {
                dxf.writeLine(writer,
                              DL_LineData(place.x(line->x1), place.y(line->y1), 0.0,
                                          place.x(line->x2), place.y(line->y2), 0.0),
                              attributes);
                continue;
            }
            // Flipping y keeps counter-clockwise as seen on screen counter-clockwise.
            const auto& arc = std::get<pattern::OutlineArc>(piece);
            const double x = place.x(arc.centre.x), y = place.y(arc.centre.y);
            const double radius = arc.radius * place.unitsPerPixel;
            if (arc.sweepDegrees >= 360.0)
                dxf.writeCircle(writer, DL_CircleData(x, y, 0.0, radius), attributes);
            else
                dxf.writeArc(writer,
                             DL_ArcData(x, y, 0.0, radius, normalisedDegrees(arc.startDegrees),
                                        normalisedDegrees(arc.startDegrees + arc.sweepDegrees)),
                             attributes);
        }
}

}  // namespace

bool writeDxf(const PatternLayers& layers, int dotsPerInch, measure::UnitSystem unit,
              QIODevice& device)
{
    const double unitsPerInch = unit == measure::UnitSystem::Inch ? 1.0 : 25.4;
    const Placement place{unitsPerInch / dotsPerInch, double(layers.size.height())};
    DL_Dxf dxf;
    DxfDeviceWriter writer(device);
    writeHeader(dxf, writer, unit, place, layers.size);
    writeTables(dxf, writer);
    writer.sectionEntities();
    writeShapes(dxf, writer, layers.figure, kCutLayer, place, layers.size);
    writeShapes(dxf, writer, layers.ruler, kRulerLayer, place, layers.size);
    writer.sectionEnd();
    dxf.writeObjects(writer);
    dxf.writeObjectsEnd(writer);
    writer.dxfEOF();
    return writer.succeeded();
}

}  // namespace tavrel::exporting
