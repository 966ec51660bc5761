#include "panels/indoorrange.h"

#include "core/projectlist.h"

namespace {

std::optional<int> projectBound(const QString &projectName, const QString &property)
{
    QString text;
    getProjectProperty(projectName, property, text);
    bool ok = false;
    const int bound = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return bound;
}

} // namespace

IndoorRange IndoorRange::ofCurrentProject()
{
    IndoorRange range;
    QString projectName;
    if (!getCurrentProjectName(projectName))
        return range;
    range.low = projectBound(projectName, QStringLiteral("indoor_temperature_low"));
    range.high = projectBound(projectName, QStringLiteral("indoor_temperature_high"));
    return range;
}

int IndoorRange::appendAlert(QString &event, int setPoint, const QString &unit) const
{
    if (low && setPoint < *low) {
        event += QStringLiteral(",the lower effective temperature limit(%1%2) has been exceeded").arg(*low).arg(unit);
        return 1;
    }
    if (high && setPoint > *high) {
        event += QStringLiteral(",the upper effective temperature limit(%1%2) has been exceeded").arg(*high).arg(unit);
        return 1;
    }
    return 0;
}

QString temperatureUnitText(int temperatureUnit)
{
    return temperatureUnit > 0 ? QStringLiteral("\u00B0F") : QStringLiteral("\u00B0C");
}
