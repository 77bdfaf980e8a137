#include "page_raster.h"

#include "host_tool.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>

namespace tavrel::test {
namespace {

constexpr int kDark = 128;  // grey levels below this are ink

// A binary grey map ("P5", 8 bits) as pdftoppm writes it; read here because Qt's own reader
// makes 32-bit images, which for a page at 600 dpi pass its allocation limit.
QImage readGreyMap(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QList<int> header;  // width, height, maximum value
    if (file.readLine().trimmed() != "P5") return {};
    while (header.size() < 3) {
        const QByteArray line = file.readLine();
        if (line.isEmpty()) return {};
        if (line.startsWith('#')) continue;
        for (const QByteArray& word : line.simplified().split(' ')) header.append(word.toInt());
    }
    if (header[2] != 255) return {};
    QImage image(header[0], header[1], QImage::Format_Grayscale8);
    for (int y = 0; y < image.height(); ++y)
        if (file.read(reinterpret_cast<char*>(image.scanLine(y)), image.width()) != image.width())
            return {};
    return image;
}

// Darkness-weighted centres of the runs of dark samples along one line of the raster.
template <typename Sample>
std::vector<double> darkRuns(int length, Sample sample)
{
    std::vector<double> centres;
    double weight = 0, moment = 0;
    for (int i = 0; i <= length; ++i) {
        const int ink = i < length ? 255 - sample(i) : 0;
        if (ink > 255 - kDark) {
            weight += ink;
            moment += ink * (i + 0.5);
        } else if (weight > 0) {
            centres.push_back(moment / weight);
            weight = moment = 0;
        }
    }
    return centres;
}

}  // namespace

std::optional<PageRaster> rasterizePage(const QString& pdfPath, int page, int dotsPerInch,
                                        const QRectF& region)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath("page");
    const QString number = QString::number(page);
    QStringList arguments{"-r", QString::number(dotsPerInch), "-gray", "-singlefile",
                          "-f", number, "-l", number};
    PageRaster raster{{}, double(dotsPerInch), {}};
    if (!region.isEmpty()) {
        const QRect dots(QPoint(int(raster.dots(region.left())), int(raster.dots(region.top()))),
                         QSize(int(std::ceil(raster.dots(region.width()))),
                               int(std::ceil(raster.dots(region.height())))));
        arguments << "-x" << QString::number(dots.x()) << "-y" << QString::number(dots.y())
                  << "-W" << QString::number(dots.width()) << "-H" << QString::number(dots.height());
        raster.origin = QPointF(raster.twips(dots.x()), raster.twips(dots.y()));
    }
    if (!runHostTool("pdftoppm", arguments << pdfPath << prefix)) return std::nullopt;
    raster.image = readGreyMap(prefix + ".pgm");
    if (raster.image.isNull()) return std::nullopt;
    return raster;
}

std::vector<PageRaster> rasterizePages(const QString& pdfPath, int dotsPerInch)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath("page");
    if (!runHostTool("pdftoppm", {"-r", QString::number(dotsPerInch), "-gray", pdfPath, prefix})) return {};
    // pdftoppm numbers the files with as many digits as the last page needs.
    std::vector<PageRaster> pages;
    const QDir folder(dir.path());
    for (const QString& name : folder.entryList({"page-*.pgm"}, QDir::Files, QDir::Name)) {
        PageRaster raster{readGreyMap(dir.filePath(name)), double(dotsPerInch), {}};
        if (raster.image.isNull()) return {};
        pages.push_back(std::move(raster));
    }
    return pages;
}

QByteArray withoutWritingTime(const QByteArray& pdf)
{
    return QString::fromLatin1(pdf)
        .replace(QRegularExpression(R"(/CreationDate \(D:\d+Z\))"), "")
        .replace(QRegularExpression(R"(/ID \[<\w+><\w+>\])"), "")
        .replace(QRegularExpression(R"(/[A-Z]{6}\+)"), "/")
        .toLatin1();
}

int pageCount(const QString& pdfPath)
{
    const auto match = QRegularExpression(R"(Pages:\s+(\d+))").match(runHostTool("pdfinfo", {pdfPath}).value_or(""));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QSizeF pageSizeTwips(const QString& pdfPath, int page)
{
    const QString number = QString::number(page);
    const QString info = runHostTool("pdfinfo", {"-f", number, "-l", number, pdfPath}).value_or("");
    const auto match =
        QRegularExpression(R"(Page\s+\d+ size:\s+([\d.]+) x ([\d.]+) pts)").match(info);
    if (!match.hasMatch()) return {};
    return QSizeF(match.captured(1).toDouble() * 20, match.captured(2).toDouble() * 20);
}

QString pageText(const QString& pdfPath, int page)
{
    const QString number = QString::number(page);
    return runHostTool("pdftotext", {"-f", number, "-l", number, pdfPath, "-"}).value_or("").trimmed();
}

QStringList pageTexts(const QString& pdfPath)
{
    QStringList pages = runHostTool("pdftotext", {pdfPath, "-"}).value_or("").split('\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

std::vector<WordBox> wordBoxes(const QString& pdfPath, int page)
{
    const QString number = QString::number(page);
    const QString html =
        runHostTool("pdftotext", {"-bbox", "-f", number, "-l", number, pdfPath, "-"}).value_or("");
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<WordBox> words;
    for (const auto& match : word.globalMatch(html)) {
        const QPointF topLeft(match.captured(1).toDouble(), match.captured(2).toDouble());
        const QPointF bottomRight(match.captured(3).toDouble(), match.captured(4).toDouble());
        words.push_back({match.captured(5), QRectF(topLeft * 20, bottomRight * 20)});
    }
    return words;
}

std::vector<double> darkLinesAcrossRow(const PageRaster& raster, double yTwips)
{
    const int y = int(std::floor(raster.dots(yTwips - raster.origin.y())));
    if (y < 0 || y >= raster.image.height()) return {};
    const uchar* row = raster.image.constScanLine(y);
    auto centres = darkRuns(raster.image.width(), [row](int x) { return int(row[x]); });
    for (double& c : centres) c = raster.origin.x() + raster.twips(c);
    return centres;
}

std::vector<double> darkLinesAcrossColumn(const PageRaster& raster, double xTwips)
{
    const int x = int(std::floor(raster.dots(xTwips - raster.origin.x())));
    if (x < 0 || x >= raster.image.width()) return {};
    const QImage& image = raster.image;
    auto centres =
        darkRuns(image.height(), [&image, x](int y) { return int(image.constScanLine(y)[x]); });
    for (double& c : centres) c = raster.origin.y() + raster.twips(c);
    return centres;
}

std::vector<double> darkLinesAcrossPageRow(const QString& pdfPath, int page, int dotsPerInch,
                                           double yTwips)
{
    const QSizeF size = pageSizeTwips(pdfPath, page);
    const auto strip = rasterizePage(pdfPath, page, dotsPerInch,
                                     QRectF(0, yTwips - 20, size.width(), 40));
    return strip ? darkLinesAcrossRow(*strip, yTwips) : std::vector<double>();
}

std::optional<double> checkRulerLength(const QString& pdfPath, int page, const QRectF& foot,
                                       double unit)
{
    constexpr int kDotsPerInch = 1200;  // a dot is 1.2 twips, 0.2 % of a centimeter
    const double left = foot.left() + 1440;
    const auto ticks = darkLinesAcrossPageRow(pdfPath, page, kDotsPerInch, foot.top() + 240);
    const auto start = nearest(ticks, left, 60);
    const auto end = nearest(ticks, left + unit, 60);
    if (!start || !end) return std::nullopt;
    return *end - *start;
}

int likestPage(const PageRaster& page, const std::vector<PageRaster>& pages)
{
    const auto differing = [&page](const PageRaster& other) {
        if (other.image.size() != page.image.size()) return 1.0;
        qint64 count = 0;
        for (int y = 0; y < page.image.height(); ++y)
            for (int x = 0; x < page.image.width(); ++x)
                count +=
                    std::abs(qGray(page.image.pixel(x, y)) - qGray(other.image.pixel(x, y))) > 64;
        return double(count) / (page.image.width() * page.image.height());
    };
    std::vector<double> shares;
    for (const PageRaster& other : pages) shares.push_back(differing(other));
    return int(std::min_element(shares.begin(), shares.end()) - shares.begin()) + 1;
}

std::optional<double> nearest(const std::vector<double>& centres, double expected, double reach)
{
    std::optional<double> best;
    for (double c : centres)
        if (std::abs(c - expected) <= reach && (!best || std::abs(c - expected) < std::abs(*best - expected)))
            best = c;
    return best;
}

bool anyDarkIn(const PageRaster& raster, const QRectF& twips)
{
    const QRect dots = QRectF(raster.dots(twips.left() - raster.origin.x()),
                              raster.dots(twips.top() - raster.origin.y()),
                              raster.dots(twips.width()), raster.dots(twips.height()))
                           .toAlignedRect()
                           .intersected(raster.image.rect());
    for (int y = dots.top(); y <= dots.bottom(); ++y) {
        const uchar* row = raster.image.constScanLine(y);
        if (std::any_of(row + dots.left(), row + dots.right() + 1, [](uchar v) { return v < kDark; }))
            return true;
    }
    return false;
}

// The bar across is the lowest ink in a column right of every word; its end marks cross it, and
// the bar down hangs from its left end: the lowest two lines across a column just beside it.
std::optional<SheetBars> calibrationBars(const PageRaster& page)
{
    const auto column = darkLinesAcrossColumn(page, 5000);
    if (column.empty()) return std::nullopt;
    const auto acrossEnds = darkLinesAcrossRow(page, column.back() - 80);
    if (acrossEnds.size() != 2) return std::nullopt;
    const auto downColumn = darkLinesAcrossColumn(page, acrossEnds.front() + 80);
    if (downColumn.size() < 3) return std::nullopt;
    return SheetBars{acrossEnds[1] - acrossEnds[0],
                     downColumn.back() - downColumn[downColumn.size() - 2]};
}

QSizeF inkExtent(const PageRaster& raster)
{
    const QImage& image = raster.image;
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            if (row[x] < 128) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    }
    if (right < 0) return {};
    return QSizeF(raster.twips(right - left + 1), raster.twips(bottom - top + 1));
}

}  // namespace tavrel::test
