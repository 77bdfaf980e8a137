#include "export/document_titles.h"

#include <QCoreApplication>

namespace tavrel::exporting {

QString patternTitle()
{
    //: A document's title and a print job's name.
    return QCoreApplication::translate("DocumentTitles", "Tavrel pattern");
}

QString patternDescription()
{
    return QCoreApplication::translate("DocumentTitles",
                                       "A flat cutting pattern at true size, in millimeters.");
}

QString calibrationSheetTitle()
{
    //: A document's title and a print job's name.
    return QCoreApplication::translate("DocumentTitles", "Tavrel printer calibration");
}

}  // namespace tavrel::exporting
