#include "platform/window_metrics.h"

#include "platform/screen_metrics.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace tavrel::platform {

QSize setOuterSizeTwips(QWidget& window, int widthTwips, int heightTwips)
{
    const int frameWidth = window.frameGeometry().width() - window.geometry().width();
    const int frameHeight = window.frameGeometry().height() - window.geometry().height();
    const QSize asked(static_cast<int>(std::lround(widthTwips / twipsPerPixelX())) - frameWidth,
                      static_cast<int>(std::lround(heightTwips / twipsPerPixelY())) - frameHeight);
    int width = asked.width();
    int height = asked.height();
    // A window larger than the screen would cost a backing store of gigabytes and helps no one.
    if (const QScreen* screen = window.screen()) {
        const QRect available = screen->availableGeometry();
        width = std::min(width, available.width() - frameWidth);
        height = std::min(height, available.height() - frameHeight);
    }
    window.resize(std::max(width, 1), std::max(height, 1));
    return asked;
}

}  // namespace tavrel::platform
