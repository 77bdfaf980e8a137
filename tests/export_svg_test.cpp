#include "export/png_export.h"
#include "export/svg_export.h"
#include "pattern/drawing.h"
#include "picture/pattern_image.h"
#include "screen_ink.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

using tavrel::exporting::PatternLayers;
using tavrel::picture::PersistentImage;

struct Pattern {
    PersistentImage image;  // as the window draws it
    PatternLayers layers;   // the same shapes, figure and ruler apart
};

Pattern patternOf(const char* text, int unit, int dotsPerInch)
{
    const float twipsPerPixel = float(1440.0 / dotsPerInch);
    const auto drawing = tavrel::pattern::prepareDrawing(text, *tavrel::measure::unitAt(unit),
                                                         {twipsPerPixel, twipsPerPixel});
    if (!drawing.plan) return {};
    return {tavrel::picture::patternImage(*drawing.plan),
            tavrel::exporting::patternLayers(*drawing.plan)};
}

QByteArray svgOf(const Pattern& pattern, int dotsPerInch)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(tavrel::exporting::writeSvg(pattern.layers, dotsPerInch, buffer));
    return buffer.data();
}

// The SVG rendered back at one picture pixel a pixel, on a canvas of `canvas`.
QImage renderedSvg(const Pattern& pattern, QColor canvas)
{
    QSvgRenderer renderer(svgOf(pattern, 96));
    EXPECT_TRUE(renderer.isValid());
    QImage vector(pattern.image.size, QImage::Format_ARGB32);
    vector.fill(canvas);
    QPainter painter(&vector);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pattern.image.size)));
    return vector;
}

struct SvgRoot {
    QString width, height, viewBox;
};

SvgRoot rootOf(const QByteArray& svg)
{
    QXmlStreamReader reader(svg);
    while (reader.readNextStartElement()) {
        if (reader.name() == u"svg") {
            const auto attributes = reader.attributes();
            return {attributes.value("width").toString(), attributes.value("height").toString(),
                    attributes.value("viewBox").toString()};
        }
    }
    return {};
}

double millimeters(const QString& length)
{
    EXPECT_TRUE(length.endsWith("mm")) << length.toStdString();
    return length.chopped(2).toDouble();
}

TEST(SvgExport, HasTheTrueSizeWithAViewBoxInMillimeters)
{
    struct Case {
        const char* text;
        int unit;
        int dotsPerInch;
    };
    for (const Case& c : {Case{"1.3888889", 0, 96}, Case{"2 1/2", 1, 120}, Case{"91.02", 0, 96},
                          Case{"100", 2, 24}}) {
        const Pattern pattern = patternOf(c.text, c.unit, c.dotsPerInch);
        ASSERT_FALSE(pattern.image.shapes.empty()) << c.text;
        const SvgRoot root = rootOf(svgOf(pattern, c.dotsPerInch));

        const double widthMm = pattern.image.size.width() * 25.4 / c.dotsPerInch;
        const double heightMm = pattern.image.size.height() * 25.4 / c.dotsPerInch;
        EXPECT_NEAR(millimeters(root.width), widthMm, 1e-4) << c.text;
        EXPECT_NEAR(millimeters(root.height), heightMm, 1e-4) << c.text;
        EXPECT_EQ(root.viewBox, "0 0 " + root.width.chopped(2) + ' ' + root.height.chopped(2))
            << c.text;
    }
}

// Cutter programs cut every path and often ignore clip paths: nothing but the figure's and the
// ruler's strokes, each arc a few curves, nothing beyond the view box.
TEST(SvgExport, HoldsOnlyTheFigureAndTheRulerAsTrimmedStrokes)
{
    // 0.885 inches put the ruler's left tick just outside the picture.
    for (const char* text : {"1.3888889", "0.885"}) {
        QXmlStreamReader reader(svgOf(patternOf(text, 0, 96), 96));
        QStringList groups, elements;
        QString figure;
        while (!reader.atEnd()) {
            if (reader.readNext() != QXmlStreamReader::StartElement) continue;
            elements << reader.name().toString();
            const auto attributes = reader.attributes();
            if (reader.name() == u"g") {
                groups << QStringList{attributes.value("id").toString(),
                                      attributes.value("stroke").toString(),
                                      attributes.value("fill").toString(),
                                      attributes.value("stroke-width").toString()}
                              .join(' ');
            } else if (reader.name() == u"path") {
                const QString d = attributes.value("d").toString();
                if (groups.size() == 1) figure = d;
                // The points on the path: a move's, a line's and a curve's end point.
                static const QRegularExpression onPath(
                    "[ML] (\\S+) (\\S+)|C \\S+ \\S+ \\S+ \\S+ (\\S+) (\\S+)");
                for (auto it = onPath.globalMatch(d); it.hasNext();) {
                    const auto match = it.next();
                    const int first = match.captured(1).isEmpty() ? 3 : 1;
                    EXPECT_GE(match.captured(first).toDouble(), 0) << text;
                    EXPECT_LE(match.captured(first).toDouble(), 80) << text;  // 301 px
                    EXPECT_GE(match.captured(first + 1).toDouble(), 0) << text;
                    EXPECT_LE(match.captured(first + 1).toDouble(), 111.125) << text;  // 420 px
                    for (const int i : {first, first + 1})  // never "-0.0000"
                        EXPECT_FALSE(match.captured(i).startsWith('-')) << text;
                }
            }
        }
        EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
        EXPECT_EQ(elements, QStringList({"svg", "title", "desc", "g", "path", "g", "path"}));
        EXPECT_EQ(groups, QStringList({"figure #000000 none 0.2646", "ruler #0000FF none 0.2646"}));
        EXPECT_EQ(figure.count('L'), 3) << text;  // the three lines
        EXPECT_GE(figure.count('C'), 9) << text;  // every arc as up to one curve a quarter circle
        EXPECT_LE(figure.count('C'), 18) << text;
    }
}

// Rendered back at one picture pixel a pixel, the drawing puts its ink where the PNG export puts
// it, so the half-pixel alignment is right, and leaves the rest of the canvas as it was.
TEST(SvgExport, RendersOverThePngPixels)
{
    const Pattern pattern = patternOf("1.3888889", 0, 96);
    const QImage vector = renderedSvg(pattern, Qt::white);
    const QImage overTransparent = renderedSvg(pattern, Qt::transparent);

    QBuffer png;
    png.open(QIODevice::WriteOnly);
    ASSERT_TRUE(tavrel::exporting::writePng(pattern.image, 96, png));
    const QImage raster = QImage::fromData(png.data(), "PNG");

    const auto inkNear = [](const QImage& picture, int x, int y, int darkerThan) {
        for (int j = y - 1; j <= y + 1; ++j)
            for (int i = x - 1; i <= x + 1; ++i)
                if (picture.valid(i, j) && qGray(picture.pixel(i, j)) < darkerThan) return true;
        return false;
    };
    int painted = 0, rasterInks = 0, mismatches = 0;
    for (int y = 0; y < pattern.image.size.height(); ++y)
        for (int x = 0; x < pattern.image.size.width(); ++x) {
            painted += qAlpha(overTransparent.pixel(x, y)) != 0;
            const bool rasterInk = qGray(raster.pixel(x, y)) < 128;
            rasterInks += rasterInk;
            const bool vectorInk = qGray(vector.pixel(x, y)) < 128;
            if ((rasterInk && !inkNear(vector, x, y, 224)) || (vectorInk && !inkNear(raster, x, y, 128)))
                ++mismatches;
        }
    EXPECT_LT(painted, 3 * rasterInks);  // no background: only the strokes and their edges
    EXPECT_EQ(mismatches, 0);

    // The centre line x = 150 fills its own column of pixels and leaves both neighbours white.
    for (int y = 60; y < 200; y += 10) {  // above the small arc that tops out at y = 200
        EXPECT_LT(qGray(vector.pixel(150, y)), 64) << y;
        EXPECT_GT(qGray(vector.pixel(149, y)), 192) << y;
        EXPECT_GT(qGray(vector.pixel(151, y)), 192) << y;
    }
}

// librsvg, a reader independent of Qt, renders the file at 300 dpi: the ruler's blue ticks lie
// one inch or one centimeter apart.
TEST(SvgExport, MeasuresTrueInRsvgConvert)
{
    constexpr int dpi = 300;
    struct Case {
        const char* text;
        int unit;
        double divisionInches;
    };
    for (const Case& c : {Case{"1.3888889", 0, 1.0}, Case{"35.277778", 2, 1 / 2.54}}) {
        QTemporaryDir folder;
        QFile svg(folder.filePath("pattern.svg"));
        ASSERT_TRUE(svg.open(QIODevice::WriteOnly));
        svg.write(svgOf(patternOf(c.text, c.unit, 96), 96));
        svg.close();
        const QString png = folder.filePath("pattern.png");
        ASSERT_EQ(
            QProcess::execute("rsvg-convert", {"--dpi-x", QString::number(dpi), "--dpi-y",
                                               QString::number(dpi), "-o", png, svg.fileName()}),
            0);
        const QImage raster(png);
        // M = 100 pixels: the picture is 301 x 420 pixels of 1/96 inch; the ticks' band is
        // 350 .. 375 pixels from the top.
        EXPECT_EQ(raster.size(),
                  QSize(std::lround(301.0 * dpi / 96), std::lround(420.0 * dpi / 96)));
        const int row = int(362.0 * dpi / 96);
        std::vector<double> ticks;
        for (int x = 0, runStart = -1; x <= raster.width(); ++x) {
            const QColor colour = x < raster.width() ? raster.pixelColor(x, row) : Qt::transparent;
            const bool blue = colour.alpha() > 128 && colour.blue() > 128 && colour.red() < 128;
            if (blue && runStart < 0) runStart = x;
            if (!blue && runStart >= 0) {
                ticks.push_back((runStart + x - 1) / 2.0);
                runStart = -1;
            }
        }
        ASSERT_EQ(ticks.size(), c.unit == 2 ? 5u : 3u) << c.text;
        for (std::size_t i = 1; i < ticks.size(); ++i)
            EXPECT_NEAR((ticks[i] - ticks[i - 1]) / dpi, c.divisionInches, 1.0 / dpi) << c.text;
    }
}

class SvgOverScreen : public testing::TestWithParam<tavrel::test::Measurement> {};

// Also where the screen lights the picture's last column or row, which the vector's edge cuts.
TEST_P(SvgOverScreen, InksEveryLitPixelAndNothingFarFromThem)
{
    const tavrel::test::Measurement m = GetParam();
    const Pattern pattern = patternOf(m.text, m.unit, m.dotsPerInch);
    ASSERT_FALSE(pattern.image.shapes.empty());
    const auto difference = tavrel::test::compareWithScreen(
        tavrel::test::screenPixels(pattern.image), renderedSvg(pattern, Qt::white));
    EXPECT_EQ(difference.unInked, 0) << difference.where.toStdString();
    EXPECT_EQ(difference.stray, 0) << difference.where.toStdString();
}

INSTANTIATE_TEST_SUITE_P(MeasurementsAcrossUnits, SvgOverScreen,
                         testing::ValuesIn(tavrel::test::measurementsAcrossUnits()));

}  // namespace
