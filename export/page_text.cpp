#include "export/page_text.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tavrel::exporting {

QFont pageFont(double twips, bool bold)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(std::max(1, int(std::lround(twips))));
    font.setBold(bold);
    return font;
}

void drawTextLine(QPainter& painter, const QRectF& box, int flags, const QString& text, QFont font)
{
    painter.setFont(font);
    const double wide = painter.fontMetrics().horizontalAdvance(text);
    if (wide > box.width()) {
        font.setPixelSize(std::max(1, int(font.pixelSize() * box.width() / wide)));
        painter.setFont(font);
    }
    painter.drawText(box, flags, text);
}

}  // namespace tavrel::exporting
