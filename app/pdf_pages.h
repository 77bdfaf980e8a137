#pragma once
// What the pages of the pattern's PDF show, drawn in twips from the page's corner: the
// picture at natural size, the map of the tiles, the marks where tiles overlap, and the foot
// of every page with its check ruler and the request to print at 100 %.

#include "pdf_export.h"

class QPainter;

namespace tavrel::app {

struct PdfPages {
    QPainter& painter;
    const platform::PersistentImage& image;
    double twipsPerPixel;
    CheckRuler ruler;
    const PdfTiling& tiling;

    void drawOnePage() const;
    void drawMap() const;
    void drawTile(int column, int row) const;

private:
    void drawFoot(const QString& label, const QString& note) const;
    void drawCheckRuler(QPointF leftEnd) const;
    void drawSharedEdges(int column, int row) const;
};

}  // namespace tavrel::app
