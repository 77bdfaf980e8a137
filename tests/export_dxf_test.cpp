// The DXF export read back by ezdxf, a reader independent of the library that writes it.

#include "export/dxf_export.h"
#include "export/pattern_export.h"
#include "host_tool.h"
#include "pattern/drawing.h"
#include "screen_ink.h"

#include <QBuffer>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

namespace {

using tavrel::test::Measurement;

struct Entity {
    QString kind, layer;
    std::vector<double> values;  // as the reader prints them, in the drawing's units
};

struct Drawing {
    QString version, error;
    int insUnits = -1, measurement = -1;
    std::vector<double> extent;  // the lowest corner's x, y and z, then the highest one's
    std::map<QString, int> layerColours;
    std::vector<Entity> entities;
};

Drawing exportedDrawing(const Measurement& m)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("pattern.dxf");
    Drawing drawing;
    drawing.error = tavrel::exporting::exportPattern(
        {m.text, *tavrel::measure::unitAt(m.unit), m.dotsPerInch, path.toStdString()});
    if (!drawing.error.isEmpty()) return drawing;
    const auto read = tavrel::test::runHostTool("python3", {DXF_READER, path});
    if (!read) {
        drawing.error = "ezdxf could not read " + path;
        return drawing;
    }
    for (const QString& line : read->split('\n')) {
        const QStringList words = line.split(' ', Qt::SkipEmptyParts);
        if (words.isEmpty()) continue;
        if (words[0] == "VERSION") drawing.version = words[1];
        if (words[0] == "UNITS") {
            drawing.insUnits = words[1].toInt();
            drawing.measurement = words[2].toInt();
        }
        if (words[0] == "EXTENT")
            for (const QString& word : words.mid(1)) drawing.extent.push_back(word.toDouble());
        if (words[0] == "LAYER") drawing.layerColours[words[1]] = words[2].toInt();
        if (words[0] != "LINE" && words[0] != "ARC" && words[0] != "CIRCLE") continue;
        Entity entity{words[0], words[1], {}};
        for (const QString& word : words.mid(3)) entity.values.push_back(word.toDouble());
        drawing.entities.push_back(entity);
    }
    return drawing;
}

double pixelsPerUnit(const Measurement& m)
{
    return m.unit == 2 ? m.dotsPerInch / 25.4 : m.dotsPerInch;
}

// Points on the entity in picture pixels, y down from the picture's top: a line's ends, an arc's
// ends and a point every degree between them.
std::vector<QPointF> pointsAlong(const Entity& e, double pixelsPerUnit, int pictureHeight)
{
    const auto point = [&](double x, double y) {
        return QPointF(x * pixelsPerUnit, pictureHeight - y * pixelsPerUnit);
    };
    const auto& v = e.values;
    if (e.kind == "LINE") return {point(v[0], v[1]), point(v[2], v[3])};
    const double start = e.kind == "ARC" ? v[3] : 0;
    const double sweep = e.kind == "ARC" ? std::fmod(v[4] - start + 360.0, 360.0) : 360;
    std::vector<QPointF> points;
    for (double a = 0; a <= sweep + 1; a += 1) {
        const double radians = (start + std::min(a, sweep)) * M_PI / 180;
        points.push_back(point(v[0] + v[2] * std::cos(radians), v[1] + v[2] * std::sin(radians)));
    }
    return points;
}

class DxfOverScreen : public testing::TestWithParam<Measurement> {};

// Every pixel the screen lights has the DXF's line within a pixel and every part of the DXF's
// lines lies within two pixels of a lit one, also where the picture's edge cuts a stroke; no
// entity reaches beyond the picture.
TEST_P(DxfOverScreen, FollowsTheLitPixelsWithinThePicture)
{
    const Measurement m = GetParam();
    const auto image = tavrel::test::pictureOf(m);
    const Drawing drawing = exportedDrawing(m);
    ASSERT_TRUE(drawing.error.isEmpty()) << drawing.error.toStdString();

    QImage lines(image.size, QImage::Format_Grayscale8);
    lines.fill(Qt::white);
    QPainter painter(&lines);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::FlatCap));
    const QRectF picture(QPointF(-1e-6, -1e-6), QSizeF(image.size) + QSizeF(2e-6, 2e-6));
    for (const Entity& entity : drawing.entities) {
        const auto points = pointsAlong(entity, pixelsPerUnit(m), image.size.height());
        for (const QPointF& point : points)
            EXPECT_TRUE(picture.contains(point))
                << entity.kind.toStdString() << " reaches " << point.x() << ", " << point.y();
        painter.drawPolyline(points.data(), int(points.size()));
    }
    painter.end();
    const auto difference =
        tavrel::test::compareWithScreen(tavrel::test::screenPixels(image), lines);
    EXPECT_EQ(difference.unInked, 0) << difference.where.toStdString();
    EXPECT_EQ(difference.stray, 0) << difference.where.toStdString();
}

INSTANTIATE_TEST_SUITE_P(MeasurementsAcrossUnits, DxfOverScreen,
                         testing::ValuesIn(tavrel::test::measurementsAcrossUnits()));

// M = 100 pixels at 96 dpi in both kinds of unit: the header names the unit and the picture's
// extent of 301 x 420 pixels, the ruler's ticks lie one inch or one centimeter apart, and every
// arc has the radius of its stroke's centre line, half a pixel inside the rounded radius the
// window draws.
TEST(DxfExport, RecordsItsUnitsAndMeasuresTrue)
{
    struct Case {
        Measurement m;
        int insUnits, measurement;
        double division;  // one inch or one centimeter, in the drawing's units
        int ticks;
    };
    for (const Case& c :
         {Case{{0, "1.3888889", 96}, 1, 0, 1.0, 3}, Case{{2, "35.277778", 96}, 4, 1, 10.0, 5}}) {
        const Drawing drawing = exportedDrawing(c.m);
        ASSERT_TRUE(drawing.error.isEmpty()) << drawing.error.toStdString();
        EXPECT_EQ(drawing.version, "AC1015");
        EXPECT_EQ(drawing.insUnits, c.insUnits);
        EXPECT_EQ(drawing.measurement, c.measurement);
        const double unitsPerPixel = 1.0 / pixelsPerUnit(c.m);
        const std::vector<double> extent{0, 0, 0, 301 * unitsPerPixel, 420 * unitsPerPixel, 0};
        ASSERT_EQ(drawing.extent.size(), extent.size());
        for (std::size_t i = 0; i < extent.size(); ++i)
            EXPECT_NEAR(drawing.extent[i], extent[i], 1e-9) << "extent value " << i;
        EXPECT_EQ(drawing.layerColours.at("CUT"), 7);
        EXPECT_EQ(drawing.layerColours.at("RULER"), 5);

        std::multiset<double> radii;
        std::vector<double> tickXs;
        int figureLines = 0, rulerLines = 0;
        for (const Entity& e : drawing.entities) {
            if (e.layer == "CUT" && e.kind == "ARC") radii.insert(e.values[2] / unitsPerPixel);
            figureLines += e.layer == "CUT" && e.kind == "LINE";
            rulerLines += e.layer == "RULER" && e.kind == "LINE";
            if (e.layer == "RULER" && e.values[0] == e.values[2]) tickXs.push_back(e.values[0]);
        }
        EXPECT_EQ(figureLines, 3);
        EXPECT_EQ(rulerLines, c.ticks + 1);
        const std::multiset<double> pixels{17.5,  84.5,  84.5,  99.5, 99.5,
                                           149.5, 149.5, 199.5, 199.5};
        ASSERT_EQ(radii.size(), pixels.size());
        for (auto r = radii.begin(), p = pixels.begin(); r != radii.end(); ++r, ++p)
            EXPECT_NEAR(*r, *p, 1e-9);
        ASSERT_EQ(int(tickXs.size()), c.ticks);
        for (std::size_t i = 1; i < tickXs.size(); ++i)
            EXPECT_NEAR(tickXs[i] - tickXs[i - 1], c.division, c.division * 1e-6);  // float ruler
    }
}

// A write the device refuses is reported, not taken for a written file.
TEST(DxfExport, ReportsAFailedWrite)
{
    const auto drawing =
        tavrel::pattern::prepareDrawing("1", tavrel::measure::Unit::InchesDecimal, {15.0f, 15.0f});
    ASSERT_TRUE(drawing.plan);
    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    EXPECT_FALSE(tavrel::exporting::writeDxf(tavrel::exporting::patternLayers(*drawing.plan), 96,
                                             tavrel::measure::UnitSystem::Inch, readOnly));
}

}  // namespace
