#include "app/fitted_font.h"

#include <QFont>
#include <QLabel>

namespace tavrel::app {

void shrinkFontToFit(QLabel& label, const std::function<bool(const QFont&)>& fits)
{
    constexpr double kSmallestPoints = 6;
    QFont font = label.font();
    while (!fits(font) && font.pointSizeF() > kSmallestPoints)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label.setFont(font);
}

}  // namespace tavrel::app
