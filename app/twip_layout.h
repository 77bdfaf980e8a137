#pragma once
// The windows' layouts are given in twips; controls are placed in screen pixels.

#include "platform/screen_metrics.h"

#include <QRect>
#include <QWidget>

#include <cmath>

namespace tavrel::app {

struct TwipRect {
    int left, top, width, height;
};

inline QRect pixelsOf(const TwipRect& r)
{
    const float x = platform::twipsPerPixelX();
    const float y = platform::twipsPerPixelY();
    return QRect(std::lround(r.left / x), std::lround(r.top / y), std::lround(r.width / x),
                 std::lround(r.height / y));
}

// Names the control as the program's documentation does and puts it at its stored place.
template <typename Widget>
Widget* place(Widget* widget, const char* name, const TwipRect& twips)
{
    widget->setObjectName(name);
    widget->setGeometry(pixelsOf(twips));
    return widget;
}

}  // namespace tavrel::app
