// The picture at natural size: each way by its own twips per pixel, as a screen whose pixels are
// not square gives them, and only the part inside the window asked for, as a tile shows it.
#include "picture/natural_size.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

using namespace tavrel;

constexpr double kTwipsPerDot = 10;  // of the page the test draws on

bool inkAt(const QImage& page, double xTwips, double yTwips)
{
    return qGray(page.pixel(int(xTwips / kTwipsPerDot), int(yTwips / kTwipsPerDot))) < 128;
}

// A picture of 100 x 100 pixels with a line across at y = 80 and a line down at x = 80, drawn in
// a window over the lower right quarter of its place on the page.
TEST(NaturalSize, EachWayTakesItsOwnTwipsPerPixelInsideTheWindow)
{
    struct Case {
        double twipsPerPixelX, twipsPerPixelY;
    };
    for (const Case c : {Case{10, 20}, Case{20, 10}}) {
        SCOPED_TRACE(testing::Message() << c.twipsPerPixelX << " x " << c.twipsPerPixelY);
        picture::PersistentImage image;
        image.size = {100, 100};
        image.shapes = {picture::LineShape{0, 80, 99, 80}, picture::LineShape{80, 0, 80, 99}};
        const QSizeF place(100 * c.twipsPerPixelX, 100 * c.twipsPerPixelY);
        QImage page((place / kTwipsPerDot).toSize(), QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        painter.scale(1 / kTwipsPerDot, 1 / kTwipsPerDot);
        const QRectF window(QPointF(place.width() / 2, place.height() / 2), place / 2);
        picture::drawAtNaturalSize(painter, image, c.twipsPerPixelX, c.twipsPerPixelY, {}, window);
        painter.end();

        // A line covers the pixel right of and below its points: its middle is half a pixel on.
        const double across = 80.5 * c.twipsPerPixelY, down = 80.5 * c.twipsPerPixelX;
        EXPECT_TRUE(inkAt(page, 0.75 * place.width(), across));
        EXPECT_TRUE(inkAt(page, down, 0.75 * place.height()));
        EXPECT_FALSE(inkAt(page, 0.25 * place.width(), across)) << "left of the window";
    }
}

}  // namespace
