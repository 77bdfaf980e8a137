#include "export/paper.h"

#include <QSize>

#include <cmath>

namespace tavrel::exporting {

Paper defaultPaper(const QLocale& locale)
{
    return pages::defaultPaper(locale.measurementSystem() == QLocale::ImperialUSSystem);
}

measure::UnitSystem defaultUnitSystem(const QLocale& locale)
{
    return pages::defaultUnitSystem(locale.measurementSystem() == QLocale::ImperialUSSystem);
}

QPageSize pageSizeOf(Paper paper)
{
    return pageSizeOfPoints(pages::paperPoints(paper));
}

// Qt knows a standard sheet by its size in whole points alone: its id and name come back.
QPageSize pageSizeOfPoints(pages::Size points)
{
    return QPageSize(QSize(int(std::lround(points.width)), int(std::lround(points.height))), {},
                     QPageSize::ExactMatch);
}

}  // namespace tavrel::exporting
