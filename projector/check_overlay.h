#pragma once
// Marks drawn over the projected pattern at true scale, so that the user can check its scale
// by eye with a real ruler. `unitPixels` is one centimeter or one inch in screen pixels; the
// painter's pen gives colour and width. Where the lines go is the pattern core's to say.

#include "pattern/projection.h"

class QPainter;
class QPoint;
class QRect;

namespace tavrel::projector {

// Lines one unit apart across the whole view, through the pattern's corner so that they move
// with it.
void drawGrid(QPainter& painter, const QRect& view, const QPoint& patternCorner, double unitPixels);

// A ruler of whole units, up to ten, fixed near the view's top-left corner: a tick at every
// unit standing on one base line.
void drawCheckRuler(QPainter& painter, const QRect& view, double unitPixels);

// Where the check ruler stands, for whoever measures it.
using pattern::kCheckRulerMargin;
using pattern::kCheckRulerTick;

}  // namespace tavrel::projector
