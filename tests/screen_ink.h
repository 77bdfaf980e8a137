#pragma once
// Whether a drawing of the persistent picture shows what the screen shows. The PNG export is the
// screen's raster; a vector export or a printed page is brought to one grey value per picture
// pixel and compared with it both ways.

#include "page_raster.h"
#include "picture/persistent_image.h"

#include <QImage>
#include <QString>

#include <vector>

namespace tavrel::test {

struct Measurement {
    int unit;
    const char* text;
    int dotsPerInch;
};

// More than fifty measurements in the three units at two resolutions, each small enough for one
// page with the usual placement. Many put 1.5M's fraction between 0.5 and 0.75, where the
// widest point of the upper right arc lies in the picture's last column; 0.885 inches and 17.7
// millimeters put a tick of the ruler just left of the first column, and 0.885 inches at 96 dpi
// its right tick in the last column.
const std::vector<Measurement>& measurementsAcrossUnits();

void PrintTo(const Measurement& m, std::ostream* out);

// The picture of a measurement as the window draws it; no shapes when there is nothing to draw.
picture::PersistentImage pictureOf(const Measurement& m);

// The screen's pixels of the picture, grey, as the PNG export writes them.
QImage screenPixels(const picture::PersistentImage& image);

// One grey value per picture pixel: the mean of the raster's dots over the pixel. The picture's
// corner lies `originTwips` from the page's corner; the raster's resolution is a whole multiple
// of the picture's.
QImage picturePixels(const PageRaster& raster, QPointF originTwips, int pictureDotsPerInch,
                     QSize pictureSize);

struct InkDifference {
    int unInked = 0;  // lit pixels with not even an eighth of a pixel of ink within reach
    int stray = 0;    // ink farther than its reach from any lit pixel
    QString where;    // the first few of either, for the failure message
};

// A pixel is lit, or inked, when it is darker than mid-grey. Lit pixels look for ink within
// `inkReach` pixels, ink for lit pixels within `strayReach`.
InkDifference compareWithScreen(const QImage& screen, const QImage& drawing, int inkReach = 1,
                                int strayReach = 2);

}  // namespace tavrel::test
