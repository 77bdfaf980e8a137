#pragma once
// Outer window sizes in twips, as the program sets them, mapped onto a real window: the frame
// the window system reports is subtracted and the result kept on the screen.

#include <QSize>

class QWidget;

namespace tavrel::platform {

// Resizes the top-level window so that its outer size is the given twips, as far as the
// screen's available area allows. Returns the inside size that was asked for, which the window
// has unless the screen kept it smaller.
QSize setOuterSizeTwips(QWidget& window, int widthTwips, int heightTwips);

}  // namespace tavrel::platform
