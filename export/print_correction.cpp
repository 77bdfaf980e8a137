#include "export/print_correction.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace tavrel::exporting {

// A tenth of a percent is finer than a ruler reads the calibration sheet's bars.
QString percentText(double factor)
{
    return QLocale().toString(std::round(factor * 1000) / 10, 'f', QLocale::FloatingPointShortest);
}

QString correctionText(PrintCorrection correction)
{
    //: A printer's correction: the scale its prints are made at, across and down the page,
    //: where 100 % changes nothing.
    return QCoreApplication::translate("PrintCorrection", "%1 % across, %2 % down")
        .arg(percentText(correction.across), percentText(correction.down));
}

}  // namespace tavrel::exporting
