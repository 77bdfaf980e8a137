#include "export/png_export.h"
#include "export/svg_export.h"
#include "pattern/drawing.h"
#include "picture/pattern_image.h"
#include "screen_ink.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

using tavrel::picture::PersistentImage;

PersistentImage imageOf(const char* text, int unit, int dotsPerInch)
{
    const float twipsPerPixel = float(1440.0 / dotsPerInch);
    const auto drawing = tavrel::pattern::prepareDrawing(text, *tavrel::measure::unitAt(unit),
                                                         {twipsPerPixel, twipsPerPixel});
    return drawing.plan ? tavrel::picture::patternImage(*drawing.plan) : PersistentImage{};
}

QByteArray svgOf(const PersistentImage& image, int dotsPerInch)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(tavrel::exporting::writeSvg(image, dotsPerInch, buffer));
    return buffer.data();
}

// The SVG rendered back at one view-box unit a pixel, on a canvas of `canvas`.
QImage renderedSvg(const PersistentImage& image, QColor canvas)
{
    QSvgRenderer renderer(svgOf(image, 96));
    EXPECT_TRUE(renderer.isValid());
    QImage vector(image.size, QImage::Format_ARGB32);
    vector.fill(canvas);
    QPainter painter(&vector);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(image.size)));
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

double millimetres(const QString& length)
{
    EXPECT_TRUE(length.endsWith("mm")) << length.toStdString();
    return length.chopped(2).toDouble();
}

TEST(SvgExport, HasTheTrueSizeAndAViewBoxInPicturePixels)
{
    struct Case {
        const char* text;
        int unit;
        int dotsPerInch;
    };
    for (const Case& c : {Case{"1.3888889", 0, 96}, Case{"2 1/2", 1, 120}, Case{"91.02", 0, 96},
                          Case{"100", 2, 24}}) {
        const PersistentImage image = imageOf(c.text, c.unit, c.dotsPerInch);
        ASSERT_FALSE(image.shapes.empty()) << c.text;
        const SvgRoot root = rootOf(svgOf(image, c.dotsPerInch));

        // pixels x twips per pixel / 1440 inches, in millimetres, to the writer's six digits.
        const double widthMm = image.size.width() * 25.4 / c.dotsPerInch;
        const double heightMm = image.size.height() * 25.4 / c.dotsPerInch;
        EXPECT_NEAR(millimetres(root.width), widthMm, widthMm * 1e-5) << c.text;
        EXPECT_NEAR(millimetres(root.height), heightMm, heightMm * 1e-5) << c.text;
        EXPECT_EQ(root.viewBox,
                  QString("0 0 %1 %2").arg(image.size.width()).arg(image.size.height()))
            << c.text;
    }
}

TEST(SvgExport, DrawsEveryStrokeOnePicturePixelWide)
{
    QXmlStreamReader reader(svgOf(imageOf("1", 0, 96), 96));
    int blackGroups = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement() || reader.attributes().value("stroke") != u"#000000") continue;
        ++blackGroups;
        EXPECT_EQ(reader.attributes().value("stroke-width"), u"1");
    }
    EXPECT_GT(blackGroups, 0);
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
}

// Rendered back at one view-box unit a pixel, the drawing covers the whole picture with white
// and puts its ink where the PNG export puts it, so the half-pixel alignment is right.
TEST(SvgExport, RendersOverThePngPixels)
{
    const PersistentImage image = imageOf("1.3888889", 0, 96);
    const QImage vector = renderedSvg(image, Qt::transparent);

    QBuffer png;
    png.open(QIODevice::WriteOnly);
    ASSERT_TRUE(tavrel::exporting::writePng(image, 96, png));
    const QImage raster = QImage::fromData(png.data(), "PNG");

    const auto inkNear = [](const QImage& picture, int x, int y, int darkerThan) {
        for (int j = y - 1; j <= y + 1; ++j)
            for (int i = x - 1; i <= x + 1; ++i)
                if (picture.valid(i, j) && qGray(picture.pixel(i, j)) < darkerThan) return true;
        return false;
    };
    int unpainted = 0, mismatches = 0;
    for (int y = 0; y < image.size.height(); ++y)
        for (int x = 0; x < image.size.width(); ++x) {
            unpainted += qAlpha(vector.pixel(x, y)) != 255;
            const bool rasterInk = qGray(raster.pixel(x, y)) < 128;
            const bool vectorInk = qGray(vector.pixel(x, y)) < 128;
            if ((rasterInk && !inkNear(vector, x, y, 224)) || (vectorInk && !inkNear(raster, x, y, 128)))
                ++mismatches;
        }
    EXPECT_EQ(unpainted, 0);
    EXPECT_EQ(mismatches, 0);

    // The centre line x = 150 fills its own column of pixels and leaves both neighbours white.
    for (int y = 60; y < 200; y += 10) {  // above the small arc that tops out at y = 200
        EXPECT_LT(qGray(vector.pixel(150, y)), 64) << y;
        EXPECT_GT(qGray(vector.pixel(149, y)), 192) << y;
        EXPECT_GT(qGray(vector.pixel(151, y)), 192) << y;
    }
}

class SvgOverScreen : public testing::TestWithParam<tavrel::test::Measurement> {};

// Also where the screen lights the picture's last column or row, which the vector's edge cuts.
TEST_P(SvgOverScreen, InksEveryLitPixelAndNothingFarFromThem)
{
    const PersistentImage image = tavrel::test::pictureOf(GetParam());
    ASSERT_FALSE(image.shapes.empty());
    const auto difference = tavrel::test::compareWithScreen(tavrel::test::screenPixels(image),
                                                            renderedSvg(image, Qt::white));
    EXPECT_EQ(difference.unInked, 0) << difference.where.toStdString();
    EXPECT_EQ(difference.stray, 0) << difference.where.toStdString();
}

INSTANTIATE_TEST_SUITE_P(MeasurementsAcrossUnits, SvgOverScreen,
                         testing::ValuesIn(tavrel::test::measurementsAcrossUnits()));

}  // namespace
