#pragma once
// Outer window sizes in twips, as the program sets them, mapped onto a real window: the frame
// the window system reports is subtracted and the result kept on the screen.

#include <QSize>

#include <optional>

class QWidget;

namespace tavrel::platform {

// Resizes the top-level window so that its outer size is the given twips, as far as the
// screen's available area allows. When the screen keeps the window smaller, returns the
// inside size that was asked for.
std::optional<QSize> setOuterSizeTwips(QWidget& window, int widthTwips, int heightTwips);

}  // namespace tavrel::platform
