#include "export/print_correction.h"

#include <QCoreApplication>
#include <QLocale>

namespace tavrel::exporting {

QString percentText(double factor)
{
    return QLocale().toString(pages::percentOf(factor), 'f', QLocale::FloatingPointShortest);
}

QString correctionText(PrintCorrection correction)
{
    //: A printer's correction: the scale its prints are made at, across and down the page,
    //: where 100 % changes nothing.
    return QCoreApplication::translate("PrintCorrection", "%1 % across, %2 % down")
        .arg(percentText(correction.across), percentText(correction.down));
}

}  // namespace tavrel::exporting
