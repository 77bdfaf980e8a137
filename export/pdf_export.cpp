#include "export/pdf_export.h"

#include "export/document_titles.h"
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
    return QPageLayout(pageSizeOfPoints(frame.sheetPoints), QPageLayout::Portrait, QMarginsF());
}

bool drawDocument(QPdfWriter& writer, const picture::PersistentImage& image, double twipsPerPixel,
                  measure::UnitSystem ruler, const PdfTiling& tiling, PrintCorrection correction)
{
    const PageFrame& first = tiling.onePage() ? tiling : tiling.map;
    QPainter painter;
    if (!writer.setPageLayout(layoutOf(first)) || !painter.begin(&writer)) return false;
    if (!correction.none()) painter.scale(correction.across, correction.down);
    const PdfPages pages{painter, image, twipsPerPixel, ruler, tiling};
    // Each page takes its own size: the map's may differ from the tiles'.
    const bool drawn =
        pages.drawAll([&] { return writer.setPageLayout(layoutOf(tiling)) && writer.newPage(); });
    return painter.end() && drawn;
}

}  // namespace

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

namespace {

// Only the inked part is tiled: the band below the ruler holds the screen's sentence, which is
// not part of the picture, and tiles with nothing to show are left out.
template <typename Tile>
PdfTiling tileInk(const picture::PersistentImage& image, double twipsPerPixel, const Tile& tile)
{
    const picture::PictureInk ink(image);
    return tile(fromQt(ink.extent() * twipsPerPixel), [&](const pages::Rect& part) {
        const QRectF twips = toQt(part);
        return ink.within(QRectF(twips.topLeft() / twipsPerPixel, twips.size() / twipsPerPixel));
    });
}

}  // namespace

PdfTiling pdfTilingOf(const picture::PersistentImage& image, double twipsPerPixel, Paper paper,
                      PrintCorrection correction)
{
    return tileInk(image, twipsPerPixel, [&](pages::Size picture, const InkTest& showsInk) {
        return tilePicture(picture, paper, showsInk, correction);
    });
}

PdfTiling pdfTilingOf(const picture::PersistentImage& image, double twipsPerPixel,
                      const PageFrame& page)
{
    return tileInk(image, twipsPerPixel, [&page](pages::Size picture, const InkTest& showsInk) {
        return tilePicture(picture, page, showsInk);
    });
}

QByteArray renderPdfPages(const picture::PersistentImage& image, double twipsPerPixel,
                          measure::UnitSystem ruler, const PdfTiling& tiling,
                          PrintCorrection correction)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(patternTitle());
    writer.setCreator("Tavrel");
    writer.setResolution(int(measure::kTwipsPerInch));  // the painter's unit is the twip
    if (!drawDocument(writer, image, twipsPerPixel, ruler, tiling, correction)) return {};
    return buffer.data();
}

bool writePdf(const picture::PersistentImage& image, double twipsPerPixel,
              measure::UnitSystem ruler, Paper paper, QIODevice& device, PrintCorrection correction)
{
    const QByteArray pdf =
        renderPdfPages(image, twipsPerPixel, ruler,
                       pdfTilingOf(image, twipsPerPixel, paper, correction), correction);
    return !pdf.isEmpty() && writeWithActualSize(pdf, device);
}

}  // namespace tavrel::exporting
