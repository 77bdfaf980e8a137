#include "export/pdf_export.h"

#include "export/pdf_pages.h"
#include "measure/physical_units.h"
#include "picture/picture_ink.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>

namespace tavrel::exporting {
namespace {

QPageLayout layoutOf(const PageFrame& frame)
{
    return QPageLayout(frame.pageSize, QPageLayout::Portrait, QMarginsF());
}

bool drawDocument(QPdfWriter& writer, const picture::PersistentImage& image,
                  double twipsPerPixel, CheckRuler ruler, const PdfTiling& tiling)
{
    const PageFrame& first = tiling.onePage() ? tiling : tiling.map;
    QPainter painter;
    if (!writer.setPageLayout(layoutOf(first)) || !painter.begin(&writer)) return false;
    const PdfPages pages{painter, image, twipsPerPixel, ruler, tiling};
    if (tiling.onePage()) {
        pages.drawOnePage();
        return painter.end();
    }
    pages.drawMap();
    for (int row = 0; row < tiling.rows; ++row)
        for (int column = 0; column < tiling.columns; ++column) {
            if (tiling.pageOf(column, row) == 0) continue;
            // Each page takes its own size: the map's may differ from the tiles'.
            if (!writer.setPageLayout(layoutOf(tiling)) || !writer.newPage()) return false;
            pages.drawTile(column, row);
        }
    return painter.end();
}

// Qt's PDF writer cannot ask viewers to print at actual size; qpdf adds the viewer
// preference /PrintScaling /None to the document's catalog.
bool writeWithActualSize(const QByteArray& pdf, QIODevice& device)
{
    try {
        QPDF document;
        document.processMemoryFile("pattern.pdf", pdf.constData(), size_t(pdf.size()));
        document.getRoot().replaceKey("/ViewerPreferences",
                                      QPDFObjectHandle::parse("<< /PrintScaling /None >>"));
        QPDFWriter writer(document);
        writer.setOutputMemory();
        writer.write();
        const auto buffer = writer.getBufferSharedPointer();
        const auto size = qint64(buffer->getSize());
        return device.write(reinterpret_cast<const char*>(buffer->getBuffer()), size) == size;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

PdfTiling pdfTilingOf(const picture::PersistentImage& image, double twipsPerPixel, Paper paper)
{
    // Only the inked part is tiled: the band below the ruler holds the screen's sentence, which
    // is not part of the picture, and tiles with nothing to show are left out.
    const picture::PictureInk ink(image);
    return tilePicture(ink.extent() * twipsPerPixel, paper, [&](const QRectF& twips) {
        return ink.within(QRectF(twips.topLeft() / twipsPerPixel, twips.size() / twipsPerPixel));
    });
}

bool writePdf(const picture::PersistentImage& image, double twipsPerPixel, CheckRuler ruler,
              Paper paper, QIODevice& device)
{
    const PdfTiling tiling = pdfTilingOf(image, twipsPerPixel, paper);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle("Tavrel pattern");
    writer.setCreator("Tavrel");
    writer.setResolution(int(measure::kTwipsPerInch));  // the painter's unit is the twip
    if (!drawDocument(writer, image, twipsPerPixel, ruler, tiling)) return false;
    return writeWithActualSize(buffer.data(), device);
}

}  // namespace tavrel::exporting
