#include "app/grown_controls.h"

#include "platform/screen_metrics.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <climits>
#include <cmath>

namespace tavrel::app {
namespace {

// The least room left between two controls side by side, and above the prompt, in twips.
constexpr int kGapTwips = 90;
constexpr int kAbovePromptTwips = 60;

int rightOf(const QRect& r)
{
    return r.x() + r.width();
}
int bottomOf(const QRect& r)
{
    return r.y() + r.height();
}

// The room each text takes wrapped at `width` in the label's font, the widest and the tallest;
// a word longer than the width keeps its length.
QSize wrappedSize(const QLabel& label, int width, const QStringList& texts)
{
    QSize size;
    for (const QString& text : texts)
        size = size.expandedTo(label.fontMetrics()
                                   .boundingRect(QRect(0, 0, width, INT_MAX),
                                                 int(label.alignment()) | Qt::TextWordWrap, text)
                                   .size());
    return size;
}

}  // namespace

Growth growToFit(const MainControls& controls, const QStringList& prompts)
{
    const int gap = static_cast<int>(std::lround(kGapTwips / platform::twipsPerPixelX()));
    const int highestPrompt =
        static_cast<int>(std::lround(kAbovePromptTwips / platform::twipsPerPixelY()));
    const QRect storedPrompt = controls.prompt->geometry();
    const QRect storedBox = controls.box->geometry();
    const QRect storedPrint = controls.print->geometry();
    const int storedBottom =
        std::max(bottomOf(controls.units.back()->geometry()), bottomOf(storedPrint));

    // The units grow alike, as wide as the widest caption needs; a unit that grew taller, or
    // that the platform's theme makes taller than the room to the next one, moves those below
    // it down. The theme's sizes are there once the units are polished.
    int unitsWidth = 0;
    for (QRadioButton* unit : controls.units) {
        unit->ensurePolished();
        unitsWidth = std::max({unitsWidth, unit->width(), unit->sizeHint().width()});
    }
    int shift = 0;
    for (std::size_t i = 0; i < controls.units.size(); ++i) {
        QRadioButton* unit = controls.units[i];
        const QRect stored = unit->geometry();
        const int needed = unit->sizeHint().height();
        unit->setGeometry(stored.x(), stored.y() + shift, unitsWidth,
                          std::max(stored.height(), needed));
        const int room = i + 1 < controls.units.size() ? controls.units[i + 1]->y() - stored.y()
                                                       : stored.height();
        shift += std::max(unit->height() - stored.height(), needed - room);
    }
    const int unitsRight = controls.units.front()->x() + unitsWidth;

    // The prompt wraps its words in the room up to the print button. Taller than its place, it
    // takes the margins above it and down to the box, and beyond those moves the box down.
    const int left = std::max(storedPrompt.x(), unitsRight + gap);
    const int room = std::max(storedPrompt.width(), storedPrint.x() - gap - left);
    const QSize wrapped = wrappedSize(*controls.prompt, room, prompts);
    const int promptHeight = std::max(storedPrompt.height(), wrapped.height());
    const int promptFloor = storedBox.y() - 1;  // one pixel above the box
    const int promptTop = storedPrompt.y() + promptHeight <= promptFloor
                              ? storedPrompt.y()
                              : std::max(highestPrompt, promptFloor - promptHeight);
    const QRect prompt(left, promptTop, std::max(room, wrapped.width()), promptHeight);
    controls.prompt->setGeometry(prompt);
    const QRect box(left, std::max(storedBox.y(), bottomOf(prompt) + 1), storedBox.width(),
                    std::max({storedBox.height(), controls.box->sizeHint().height(),
                              controls.box->minimumSizeHint().height()}));
    controls.box->setGeometry(box);

    QRect print = storedPrint;
    print.moveLeft(std::max(storedPrint.x(), std::max(rightOf(prompt), rightOf(box)) + gap));
    print.setSize(print.size().expandedTo(controls.print->sizeHint()));
    controls.print->setGeometry(print);

    const int bottom = std::max(bottomOf(controls.units.back()->geometry()), bottomOf(print));
    return {std::max(0, rightOf(print) - rightOf(storedPrint)), std::max(0, bottom - storedBottom)};
}

}  // namespace tavrel::app
