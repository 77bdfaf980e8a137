#include "app/reading_notice.h"

#include "measure/fractions_reading.h"
#include "platform/decimal_comma.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace tavrel::app {
namespace {

class ReadingNotice {
    Q_DECLARE_TR_FUNCTIONS(ReadingNotice)
public:
    static QString of(const QString& typed, double drawnInches);
};

// The count that chooses "inch" or "inches": the number itself where it is whole.
int pluralCount(double drawn)
{
    return drawn == std::floor(drawn) && drawn < 1e9 ? static_cast<int>(drawn) : 2;
}

QString ReadingNotice::of(const QString& typed, double drawnInches)
{
    const QString text = typedBackNumber(typed);
    const QString drawn = typedBackNumber(drawnNumber(drawnInches));
    const int count = pluralCount(drawnInches);
    const QString fractions =
        QCoreApplication::translate("tavrel::app::frmMain", "Inches (Fractions)");
    using R = measure::FractionsReading;
    switch (measure::readingOfFractions(typed.toStdString())) {
        case R::WholeRounded:
            if (!typed.contains('/') && !typed.contains(' '))
                //: %1 is the text in the box, %2 the inches drawn, %3 and %4 the units' captions.
                return tr("%1 is drawn as %2 inch(es) in %3; choose %4 for %1", nullptr, count)
                    .arg(text, drawn, fractions,
                         QCoreApplication::translate("tavrel::app::frmMain", "Inches (Decimal)"));
            //: %1 is the text in the box, %2 the inches drawn, %3 the unit's caption.
            return tr("%1 is drawn as %2 inch(es) in %3, whose whole inches are rounded", nullptr,
                      count)
                .arg(text, drawn, fractions);
        case R::ZeroDenominator:
            //: %1 is the text in the box, %2 the inches drawn, %3 the unit's caption.
            return tr("%1 is drawn as %2 inch(es) in %3: a fraction over 0 counts as none", nullptr,
                      count)
                .arg(text, drawn, fractions);
        case R::AsWritten:
        case R::Unclear:
            break;
    }
    //: %1 is the text in the box, %2 the inches drawn, %3 the unit's caption.
    return tr("%1 is drawn as %2 inch(es) in %3; type a whole number, a space and a fraction, "
              "as 2 1/2",
              nullptr, count)
        .arg(text, drawn, fractions);
}

}  // namespace

QString typedBackNumber(QString number)
{
    return platform::commaTypesPoint() ? number.replace(QLatin1Char('.'), QLatin1Char(','))
                                       : number;
}

QString drawnNumber(double drawn)
{
    return QString::number(std::round(drawn * 1000) / 1000, 'f', QLocale::FloatingPointShortest);
}

bool drawnAsTyped(const QString& typed, measure::Unit unit)
{
    return unit != measure::Unit::InchesFractions ||
           measure::readingOfFractions(typed.toStdString()) == measure::FractionsReading::AsWritten;
}

QString readingNotice(const QString& typed, measure::Unit unit, double drawnInches)
{
    if (drawnAsTyped(typed, unit)) return {};
    return ReadingNotice::of(typed, drawnInches);
}

}  // namespace tavrel::app
