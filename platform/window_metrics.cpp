#include "platform/window_metrics.h"

#include "platform/screen_metrics.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace tavrel::platform {

void setOuterSizeTwips(QWidget& window, int widthTwips, int heightTwips)
{
    const int frameWidth = window.frameGeometry().width() - window.geometry().width();
    const int frameHeight = window.frameGeometry().height() - window.geometry().height();
    int width = static_cast<int>(std::lround(widthTwips / twipsPerPixelX())) - frameWidth;
    int height = static_cast<int>(std::lround(heightTwips / twipsPerPixelY())) - frameHeight;
    // A window larger than the screen would cost a backing store of gigabytes and helps no one.
    if (const QScreen* screen = window.screen()) {
        const QRect available = screen->availableGeometry();
        width = std::min(width, available.width() - frameWidth);
        height = std::min(height, available.height() - frameHeight);
    }
    window.resize(std::max(width, 1), std::max(height, 1));
}

}  // namespace tavrel::platform
