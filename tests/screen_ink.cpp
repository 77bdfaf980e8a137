#include "screen_ink.h"

#include "export/png_export.h"
#include "pattern/drawing.h"
#include "picture/pattern_image.h"

#include <QBuffer>

#include <algorithm>
#include <cmath>
#include <ostream>

namespace tavrel::test {
namespace {

// Ink is darker than mid-grey; an eighth of a pixel inked shows as a grey below 224.
constexpr int kInk = 128;
constexpr int kSomeInk = 224;

bool darker(const QImage& picture, int x, int y, int grey)
{
    return qGray(picture.pixel(x, y)) < grey;
}

bool darkerWithin(const QImage& picture, int x, int y, int reach, int grey)
{
    for (int j = y - reach; j <= y + reach; ++j)
        for (int i = x - reach; i <= x + reach; ++i)
            if (picture.valid(i, j) && darker(picture, i, j, grey)) return true;
    return false;
}

}  // namespace

const std::vector<Measurement>& measurementsAcrossUnits()
{
    static const std::vector<Measurement> all = [] {
        std::vector<Measurement> list;
        const auto add = [&list](int unit, int dpi, std::initializer_list<const char*> texts) {
            for (const char* text : texts) list.push_back({unit, text, dpi});
        };
        add(0, 96, {"0.1", "0.5", "0.885", "1.13", "1.39", "1.62", "2.06", "2.21", "2.34", "2.45",
                    "2.57", "2.68", "2.83", "2.95"});
        add(1, 96, {"0 2/17", "0 5/13", "1 1/19", "1 4/19", "1 5/8", "1 9/11", "2 2/11", "2 3/7",
                    "2 7/11", "2 3/5"});
        add(2, 96, {"5", "12", "17.7", "22.5", "31", "37", "41", "53", "59", "64", "66", "67.2",
                    "69", "74"});
        add(0, 120, {"0.885", "1.13", "1.39", "1.62", "2.06", "2.45"});
        add(1, 120, {"0 13/16", "1 15/16", "2 13/16"});
        add(2, 120, {"5", "17.7", "22.5", "37", "53", "59", "69"});
        return list;
    }();
    return all;
}

void PrintTo(const Measurement& m, std::ostream* out)
{
    *out << "unit " << m.unit << " \"" << m.text << "\" at " << m.dotsPerInch << " dpi";
}

picture::PersistentImage pictureOf(const Measurement& m)
{
    const float twipsPerPixel = float(1440.0 / m.dotsPerInch);
    const auto unit = *tavrel::measure::unitAt(m.unit);
    const auto drawing = pattern::prepareDrawing(m.text, unit, {twipsPerPixel, twipsPerPixel});
    return drawing.plan ? picture::patternImage(*drawing.plan) : picture::PersistentImage{};
}

QImage screenPixels(const picture::PersistentImage& image)
{
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    if (!exporting::writePng(image, 96, png)) return {};
    return QImage::fromData(png.data(), "PNG").convertToFormat(QImage::Format_Grayscale8);
}

QImage picturePixels(const PageRaster& raster, QPointF originTwips, int pictureDotsPerInch,
                     QSize pictureSize)
{
    const int dots = int(std::lround(raster.dotsPerInch / pictureDotsPerInch));
    const int left = int(std::lround(raster.dots(originTwips.x() - raster.origin.x())));
    const int top = int(std::lround(raster.dots(originTwips.y() - raster.origin.y())));
    QImage pixels(pictureSize, QImage::Format_Grayscale8);
    pixels.fill(Qt::white);
    for (int y = 0; y < pictureSize.height(); ++y)
        for (int x = 0; x < pictureSize.width(); ++x) {
            int sum = 0, count = 0;
            for (int j = top + y * dots; j < top + (y + 1) * dots; ++j)
                for (int i = left + x * dots; i < left + (x + 1) * dots; ++i)
                    if (raster.image.valid(i, j)) {
                        sum += raster.image.constScanLine(j)[i];
                        ++count;
                    }
            if (count > 0) pixels.scanLine(y)[x] = uchar(sum / count);
        }
    return pixels;
}

InkDifference compareWithScreen(const QImage& screen, const QImage& drawing, int inkReach,
                                int strayReach)
{
    InkDifference difference;
    const auto note = [&difference](const char* what, int x, int y) {
        if (difference.unInked + difference.stray <= 5)
            difference.where += QString(" %1 (%2, %3)").arg(what).arg(x).arg(y);
    };
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x) {
            if (darker(screen, x, y, kInk) && !darkerWithin(drawing, x, y, inkReach, kSomeInk)) {
                ++difference.unInked;
                note("lit, no ink", x, y);
            }
            if (drawing.valid(x, y) && darker(drawing, x, y, kInk) &&
                !darkerWithin(screen, x, y, strayReach, kInk)) {
                ++difference.stray;
                note("stray ink", x, y);
            }
        }
    return difference;
}

}  // namespace tavrel::test
