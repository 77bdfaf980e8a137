#include "pdf_tiling.h"

#include <algorithm>
#include <cmath>

namespace tavrel::app {
namespace {

// Tiles needed to cover `length` with windows of `window` that advance by `step`.
int tilesFor(double length, double window, double step)
{
    if (length <= window) return 1;
    return 1 + int(std::ceil((length - window) / step));
}

}  // namespace

std::optional<Paper> paperNamed(std::string_view name)
{
    if (name == "letter") return Paper::Letter;
    if (name == "a4") return Paper::A4;
    if (name == "a3") return Paper::A3;
    if (name == "legal") return Paper::Legal;
    if (name == "tabloid") return Paper::Tabloid;
    return std::nullopt;
}

QPageSize pageSizeOf(Paper paper)
{
    switch (paper) {
    case Paper::A4: return QPageSize(QPageSize::A4);
    case Paper::A3: return QPageSize(QPageSize::A3);
    case Paper::Legal: return QPageSize(QPageSize::Legal);
    case Paper::Tabloid: return QPageSize(QPageSize::Tabloid);
    case Paper::Letter: break;
    }
    return QPageSize(QPageSize::Letter);
}

QPointF PdfTiling::pictureOrigin(int column, int row) const
{
    return content.topLeft() + placement - QPointF(column * stepX, row * stepY);
}

QRectF PdfTiling::tileInPicture(int column, int row) const
{
    return content.translated(-pictureOrigin(column, row));
}

PdfTiling tilePicture(QSizeF picture, Paper paper)
{
    PdfTiling tiling;
    tiling.page = pageSizeOf(paper).size(QPageSize::Point) * 20.0;
    const QRectF printable = QRectF(QPointF(0, 0), tiling.page)
                                 .adjusted(kPdfMarginTwips, kPdfMarginTwips, -kPdfMarginTwips,
                                           -kPdfMarginTwips);
    tiling.content = printable.adjusted(0, 0, 0, -kPdfFooterTwips);
    tiling.footer = QRectF(printable.left(), tiling.content.bottom(), printable.width(),
                           kPdfFooterTwips);
    tiling.stepX = tiling.content.width() - kTileOverlapTwips;
    tiling.stepY = tiling.content.height() - kTileOverlapTwips;
    tiling.columns = tilesFor(picture.width(), tiling.content.width(), tiling.stepX);
    tiling.rows = tilesFor(picture.height(), tiling.content.height(), tiling.stepY);
    // A picture just too large for the usual placement moves in only as far as the page allows.
    if (tiling.onePage())
        tiling.placement =
            QPointF(std::min(kPdfPlacementTwips, tiling.content.width() - picture.width()),
                    std::min(kPdfPlacementTwips, tiling.content.height() - picture.height()));
    return tiling;
}

QString tileLabel(int column, int row)
{
    QString letters;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar('A' + (n - 1) % 26));
    return letters + QString::number(row + 1);
}

}  // namespace tavrel::app
