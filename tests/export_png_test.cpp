#include "export/png_export.h"
#include "pattern/drawing.h"
#include "picture/pattern_image.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

using tavrel::exporting::writePng;
using tavrel::picture::PersistentImage;

PersistentImage imageOf(const char* text, int unit, float twipsPerPixel)
{
    const auto drawing = tavrel::pattern::prepareDrawing(text, *tavrel::measure::unitAt(unit),
                                                         {twipsPerPixel, twipsPerPixel});
    return drawing.plan ? tavrel::picture::patternImage(*drawing.plan) : PersistentImage{};
}

QImage decode(const QByteArray& png)
{
    QImageReader::setAllocationLimit(0);  // the tallest cases are larger than Qt's default
    return QImage::fromData(png, "PNG");
}

QByteArray encode(const PersistentImage& image, int dotsPerInch, int stripRows)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(writePng(image, dotsPerInch, buffer, stripRows));
    return buffer.data();
}

// The whole picture in one render, as the window paints it; gray, so that tall pictures fit.
QImage renderedWhole(const PersistentImage& image)
{
    QImage whole(image.size, QImage::Format_Grayscale8);
    QPainter painter(&whole);
    replay(image, painter, QRectF(QPointF(0, 0), QSizeF(image.size)),
           tavrel::picture::LineWidth::OneDevicePixel);
    return whole;
}

// Number of pixels that differ, and where the first one is, for a readable failure.
std::string differences(const QImage& expected, const QImage& actual)
{
    if (expected.size() != actual.size()) return "sizes differ";
    int count = 0;
    QPoint first;
    for (int y = 0; y < expected.height(); ++y) {
        const uchar* want = expected.constScanLine(y);
        const uchar* got = actual.constScanLine(y);
        for (int x = 0; x < expected.width(); ++x)
            if (want[x] != got[x] && count++ == 0) first = QPoint(x, y);
    }
    if (count == 0) return {};
    return std::to_string(count) + " pixels differ, the first at (" + std::to_string(first.x()) +
           ", " + std::to_string(first.y()) + ")";
}

struct StripCase {
    const char* text;
    int unit;
    int stripRows;
};

void PrintTo(const StripCase& c, std::ostream* out)
{
    *out << "unit " << c.unit << " \"" << c.text << "\" in strips of " << c.stripRows;
}

class PngStrips : public testing::TestWithParam<StripCase> {};

TEST_P(PngStrips, GiveTheSamePixelsAsOneRenderOfTheWholePicture)
{
    const StripCase& c = GetParam();
    const PersistentImage image = imageOf(c.text, c.unit, 15);
    ASSERT_FALSE(image.shapes.empty());

    const QImage png = decode(encode(image, 96, c.stripRows));
    ASSERT_EQ(png.size(), image.size);
    EXPECT_EQ(differences(renderedWhole(image), png.convertToFormat(QImage::Format_Grayscale8)), "");
}

// Heights that cut through arcs and lines at many places, one that leaves a short last strip,
// one taller than the whole picture, and a picture far taller than a strip with its margins.
INSTANTIATE_TEST_SUITE_P(
    StripHeights, PngStrips,
    testing::Values(StripCase{"1", 0, 1}, StripCase{"1", 0, 7}, StripCase{"1", 0, 100},
                    StripCase{"1", 0, 1000}, StripCase{"2 1/2", 1, 13},
                    StripCase{"10", 2, 3}, StripCase{"10", 2, 64},
                    StripCase{"20", 0, tavrel::exporting::kPngStripRows}));

TEST(PngHeader, IsOneBitGrayWithThePhysicalResolution)
{
    struct Case {
        int dotsPerInch;
        int dotsPerMeter;
    };
    const PersistentImage image = imageOf("1", 0, 15);
    for (const Case& c : {Case{96, 3780}, Case{120, 4724}, Case{24, 945}, Case{1440, 56693}}) {
        const QImage png = decode(encode(image, c.dotsPerInch, tavrel::exporting::kPngStripRows));
        EXPECT_EQ(png.format(), QImage::Format_Mono) << c.dotsPerInch;
        EXPECT_EQ(png.size(), QSize(217, 302)) << c.dotsPerInch;
        EXPECT_EQ(png.dotsPerMeterX(), c.dotsPerMeter) << c.dotsPerInch;
        EXPECT_EQ(png.dotsPerMeterY(), c.dotsPerMeter) << c.dotsPerInch;
    }
}

TEST(PngExport, ReportsADeviceThatRefusesTheData)
{
    const PersistentImage image = imageOf("1", 0, 15);
    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    EXPECT_FALSE(writePng(image, 96, readOnly));

    QBuffer closed;
    EXPECT_FALSE(writePng(image, 96, closed));
}

TEST(PngExport, RefusesAnEmptyPicture)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_FALSE(writePng(PersistentImage{}, 96, buffer));
    EXPECT_TRUE(buffer.data().isEmpty());
}

}  // namespace
