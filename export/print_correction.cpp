#include "export/print_correction.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace tavrel::exporting {
bool withinBounds(double factor)
{
    return std::isfinite(factor) && factor >= kLeastCorrection && factor <= kGreatestCorrection;
}

QString correctionText(PrintCorrection correction)
{
    //: A printer's correction: the factors across and down the page.
    return QCoreApplication::translate("PrintCorrection", "%1 across, %2 down")
        .arg(QLocale().toString(correction.across, 'f', 4),
             QLocale().toString(correction.down, 'f', 4));
}

}  // namespace tavrel::exporting
