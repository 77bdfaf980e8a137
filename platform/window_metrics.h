#pragma once
// Outer window sizes in twips, as the program sets them, mapped onto a real window: the frame
// the window system reports is subtracted and the result kept on the screen.

class QWidget;

namespace tavrel::platform {

// Resizes the top-level window so that its outer size is the given twips, as far as the
// screen's available area allows.
void setOuterSizeTwips(QWidget& window, int widthTwips, int heightTwips);

}  // namespace tavrel::platform
