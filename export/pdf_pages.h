#pragma once
// What the pages of the pattern's PDF show, drawn in twips from the page's corner: the
// picture at natural size, the map of the tiles, the marks where tiles overlap, and the foot
// of every page with its check ruler and the request to print at 100 %.

#include "export/pdf_export.h"
#include "pages/map_layout.h"

#include <functional>

class QPainter;

namespace tavrel::exporting {

using pages::MapLayout;
using pages::mapLayoutOf;

struct PdfPages {
    QPainter& painter;
    const picture::PersistentImage& image;
    double twipsPerPixel;
    measure::UnitSystem ruler;
    const PdfTiling& tiling;

    void drawOnePage() const;
    void drawMap() const;
    void drawTile(int column, int row) const;
    // The one page, or the map and then the tiles; `nextPage` starts each page after the first
    // and says whether it could.
    bool drawAll(const std::function<bool()>& nextPage) const;

private:
    void drawFoot(const QRectF& foot, const QString& label, const QString& note) const;
    void drawCheckRuler(QPointF leftEnd) const;
    void drawSharedEdges(int column, int row) const;
};

}  // namespace tavrel::exporting
