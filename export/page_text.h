#pragma once
// The words on printed pages: one typeface at heights in twips, and lines that stay in their box.

#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace tavrel::exporting {

// DejaVu Sans, `twips` high, in a painter whose units are twips.
QFont pageFont(double twips, bool bold = false);

// One line of text in its box, in `font` or, where a language needs more room than the box has,
// a smaller size of it, so that no word is cut off at the box's edge.
void drawTextLine(QPainter& painter, const QRectF& box, int flags, const QString& text, QFont font);

}  // namespace tavrel::exporting
