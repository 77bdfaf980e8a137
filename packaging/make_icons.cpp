// Draws the program's icons from the pattern's own figure into a hicolor icon tree:
//   make_icons OUTPUT_FOLDER
// gives OUTPUT_FOLDER/hicolor/NxN/apps/tavrel.png for the usual sizes and
// OUTPUT_FOLDER/hicolor/scalable/apps/tavrel.svg.

#include "picture/pattern_picture.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

namespace {

bool writePng(const QString& folder, int side)
{
    const QString dir = QString("%1/hicolor/%2x%2/apps").arg(folder).arg(side);
    QImage image(side, side, QImage::Format_RGB32);
    QPainter painter(&image);
    tavrel::picture::paintPatternPicture(painter, image.size());
    painter.end();
    return QDir().mkpath(dir) && image.save(dir + "/tavrel.png");
}

bool writeSvg(const QString& folder)
{
    const QString dir = folder + "/hicolor/scalable/apps";
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
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons OUTPUT_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256})
        if (!writePng(folder, side)) {
            std::fprintf(stderr, "make_icons: cannot write the %dx%d icon\n", side, side);
            return 1;
        }
    if (!writeSvg(folder)) {
        std::fprintf(stderr, "make_icons: cannot write the scalable icon\n");
        return 1;
    }
    return 0;
}
