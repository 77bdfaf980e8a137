#pragma once
// Measuring what a PDF page really shows: pdftoppm rasterizes the page in grey at a known
// resolution, and lengths are read off the dark lines of the raster in twips.

#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tavrel::test {

struct PageRaster {
    QImage image;  // 8-bit grey, white paper
    double dotsPerInch = 0;
    QPointF origin;  // the page position of the image's corner, in twips

    double twips(double dots) const { return dots * 1440.0 / dotsPerInch; }
    double dots(double twips) const { return twips * dotsPerInch / 1440.0; }
};

// Page `page` (from 1) of the file, or only the part of it in `region` (twips from the page's
// corner); nullopt when pdftoppm fails.
std::optional<PageRaster> rasterizePage(const QString& pdfPath, int page, int dotsPerInch,
                                        const QRectF& region = {});

// Every page of the file, by one run of pdftoppm; empty when it fails.
std::vector<PageRaster> rasterizePages(const QString& pdfPath, int dotsPerInch);

// The PDF file without what differs from one writing to the next: the time of writing, the
// identity drawn from it and the random tags of its font subsets.
QByteArray withoutWritingTime(const QByteArray& pdf);

int pageCount(const QString& pdfPath);                 // 0 when pdfinfo cannot read the file
QSizeF pageSizeTwips(const QString& pdfPath, int page);  // the page's media box
QString pageText(const QString& pdfPath, int page);    // pdftotext, trimmed
QStringList pageTexts(const QString& pdfPath);         // every page's, by one run of pdftotext

// The words of a page with their boxes (twips from the page's corner), as pdftotext finds them.
struct WordBox {
    QString word;
    QRectF box;
};
std::vector<WordBox> wordBoxes(const QString& pdfPath, int page);

// Centres of the dark runs that cross a row or a column of the page (twips from its top or left
// edge), in twips from the page's left or top edge; each centre is weighted by darkness, so it
// falls between whole dots.
std::vector<double> darkLinesAcrossRow(const PageRaster& raster, double yTwips);
std::vector<double> darkLinesAcrossColumn(const PageRaster& raster, double xTwips);

// The same for one row of a page, rasterizing only a thin strip around it; empty when the page
// cannot be rasterized.
std::vector<double> darkLinesAcrossPageRow(const QString& pdfPath, int page, int dotsPerInch,
                                           double yTwips);

// The length of the check ruler in a page's foot (twips from the page's corner): the distance
// between its two ticks, which stand one unit apart an inch in from the foot's left; nullopt
// when either is missing.
std::optional<double> checkRulerLength(const QString& pdfPath, int page, const QRectF& foot,
                                       double unit);

// The page (from 1) of `pages` that differs least from `page`: the share of dots whose darkness
// differs by more than a quarter, on rasters of one resolution.
int likestPage(const PageRaster& page, const std::vector<PageRaster>& pages);

// The centre nearest to `expected`, or nullopt when there is none within `reach` twips.
std::optional<double> nearest(const std::vector<double>& centres, double expected, double reach);

// The size of the box around every dark dot of the raster, in twips; empty when none is dark.
QSizeF inkExtent(const PageRaster& raster);

// The lengths of a calibration sheet's bar across and bar down between their end marks, in
// twips; nullopt when the page shows no such bars.
struct SheetBars {
    double across = 0, down = 0;
};
std::optional<SheetBars> calibrationBars(const PageRaster& page);

// Whether any dot of the rectangle (twips from the page's corner) is dark.
bool anyDarkIn(const PageRaster& raster, const QRectF& twips);

}  // namespace tavrel::test
