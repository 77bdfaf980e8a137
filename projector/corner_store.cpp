#include "projector/corner_store.h"

#include "platform/user_settings.h"

#include <QStringList>
#include <QUrl>

namespace tavrel::projector {
namespace {

using projection::Point;

QString settingsKey(const QString& screenKey)
{
    // Screen names may hold the slashes that the settings take for groups.
    return QStringLiteral("CornerCalibration/") +
           QString::fromLatin1(QUrl::toPercentEncoding(screenKey));
}

// "in 24 18 x0 y0 x1 y1 x2 y2 x3 y3", then the mesh's size and its points when there is one.
QString written(const projection::TableMapping& mapping, measure::UnitSystem units)
{
    const projection::CornerCalibration& c = mapping.calibration();
    QStringList words{units == measure::UnitSystem::Metric ? "mm" : "in",
                      QString::number(c.widthInches, 'g', 17),
                      QString::number(c.heightInches, 'g', 17)};
    const auto add = [&](Point p) {
        words << QString::number(p.x, 'g', 17) << QString::number(p.y, 'g', 17);
    };
    for (const Point& corner : c.corners) add(corner);
    if (mapping.meshSize() > 0) {
        words << QString::number(mapping.meshSize());
        for (const Point& p : mapping.meshPoints()) add(p);
    }
    return words.join(' ');
}

StoredCorners read(const QString& text)
{
    const QStringList words = text.split(' ', Qt::SkipEmptyParts);
    StoredCorners stored;
    stored.damaged = true;
    if (words.size() < 11 || (words[0] != "in" && words[0] != "mm")) return stored;
    std::vector<double> numbers;
    for (qsizetype i = 1; i < words.size(); ++i) {
        bool isNumber = false;
        numbers.push_back(words[i].toDouble(&isNumber));
        if (!isNumber) return stored;
    }
    projection::CornerCalibration calibration{numbers[0], numbers[1], {}};
    for (int i = 0; i < 4; ++i) calibration.corners[i] = {numbers[2 + 2 * i], numbers[3 + 2 * i]};
    auto mapping = projection::TableMapping::fromCorners(calibration);
    if (!mapping) {
        stored.fault = projection::cornerFault(calibration);
        return stored;
    }
    if (numbers.size() > 10) {
        const int size = static_cast<int>(numbers[10]);
        std::vector<Point> points;
        for (size_t i = 11; i + 1 < numbers.size(); i += 2)
            points.push_back({numbers[i], numbers[i + 1]});
        if (numbers[10] != size || numbers.size() != 11 + 2 * points.size()) return stored;
        mapping = mapping->withMesh(size, points);
        stored.meshFolds = !mapping;
        if (!mapping) return stored;
    }
    StoredCorners usable;
    usable.mapping = mapping;
    usable.units = words[0] == "mm" ? measure::UnitSystem::Metric : measure::UnitSystem::Inch;
    return usable;
}

}  // namespace

StoredCorners readCorners(const QString& screenKey)
{
    const QString key = settingsKey(screenKey);
    if (!platform::hasUserSetting(key)) return {};
    return read(platform::userSetting(key).toString());
}

bool storeCorners(const QString& screenKey, const projection::TableMapping& mapping,
                  measure::UnitSystem units)
{
    return platform::storeUserSettings({{settingsKey(screenKey), written(mapping, units)}});
}

bool forgetCorners(const QString& screenKey)
{
    return platform::storeUserSettings({{settingsKey(screenKey), QVariant()}});
}

}  // namespace tavrel::projector
