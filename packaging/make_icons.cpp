// Draws the program's icons from the pattern's own figure into a hicolor icon tree:
//   make_icons OUTPUT_FOLDER
// gives OUTPUT_FOLDER/hicolor/NxN/apps/tavrel.png for the usual sizes and
// OUTPUT_FOLDER/hicolor/scalable/apps/tavrel.svg;
//   make_icons --web OUTPUT_FOLDER
// gives the browser page's icons, OUTPUT_FOLDER/tavrel-192.png, tavrel-512.png and tavrel.svg.

#include "picture/pattern_picture.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>
#include <vector>

namespace {

bool writePng(const QString& dir, const QString& name, int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    QPainter painter(&image);
    tavrel::picture::paintPatternPicture(painter, image.size());
    painter.end();
    return QDir().mkpath(dir) && image.save(dir + '/' + name);
}

bool writeSvg(const QString& dir)
{
    if (!QDir().mkpath(dir)) return false;
    constexpr int kSide = 256;
    QSvgGenerator svg;
    svg.setFileName(dir + "/tavrel.svg");
    svg.setSize({kSide, kSide});
    svg.setViewBox(QRect(0, 0, kSide, kSide));
    svg.setTitle("Tavrel");
    QPainter painter(&svg);
    tavrel::picture::paintPatternPicture(painter, {kSide, kSide});
    return painter.end();
}

}  // namespace

int main(int argc, char** argv)
{
    const bool web = argc == 3 && QByteArray(argv[1]) == "--web";
    if (argc != 2 && !web) {
        std::fprintf(stderr, "usage: make_icons [--web] OUTPUT_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[argc - 1]);
    const std::vector<int> sides =
        web ? std::vector<int>{192, 512} : std::vector<int>{16, 22, 24, 32, 48, 64, 128, 256};
    for (const int side : sides) {
        const bool written =
            web ? writePng(folder, QString("tavrel-%1.png").arg(side), side)
                : writePng(QString("%1/hicolor/%2x%2/apps").arg(folder).arg(side), "tavrel.png", side);
        if (!written) {
            std::fprintf(stderr, "make_icons: cannot write the %dx%d icon\n", side, side);
            return 1;
        }
    }
    if (!writeSvg(web ? folder : folder + "/hicolor/scalable/apps")) {
        std::fprintf(stderr, "make_icons: cannot write the scalable icon\n");
        return 1;
    }
    return 0;
}
