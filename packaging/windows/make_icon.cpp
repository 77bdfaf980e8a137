// Draws the program's Windows icon from the pattern's own figure, at build time:
//   make_icon OUTPUT.ico
// The icon holds one PNG image a size, as Windows reads icons since Vista.

#include "picture/pattern_picture.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <vector>

namespace {

QByteArray pngOfSide(int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    QPainter painter(&image);
    tavrel::picture::paintPatternPicture(painter, image.size());
    painter.end();
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    return image.save(&png, "PNG") ? png.data() : QByteArray();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon OUTPUT.ico\n");
        return 2;
    }
    const std::vector<int> sides{16, 20, 24, 32, 40, 48, 64, 128, 256};
    QByteArray icon;
    QDataStream out(&icon, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(sides.size());  // an icon file of n images
    std::vector<QByteArray> images;
    quint32 offset = 6 + 16 * quint32(sides.size());
    for (const int side : sides) {
        images.push_back(pngOfSide(side));
        if (images.back().isEmpty()) {
            std::fprintf(stderr, "make_icon: cannot draw the %dx%d image\n", side, side);
            return 1;
        }
        // A side of 256 is written as 0; 32 bits a pixel, one plane.
        out << quint8(side % 256) << quint8(side % 256) << quint8(0) << quint8(0) << quint16(1)
            << quint16(32) << quint32(images.back().size()) << offset;
        offset += quint32(images.back().size());
    }
    for (const QByteArray& image : images) out.writeRawData(image.constData(), int(image.size()));
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(icon) != icon.size() || !file.flush()) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
