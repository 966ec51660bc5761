#pragma once
// The indoor temperature range of the current project, against which the air-conditioner and floor-heating panels
// check the set points they log.

#include <QString>

#include <optional>

struct IndoorRange
{
    // A bound the project does not give (missing, empty or not a number) is no bound on that side.
    std::optional<int> low;
    std::optional<int> high;

    // Read from the project list at every call, so a change made in the project settings counts at once.
    static IndoorRange ofCurrentProject();

    // Appends the exceeded-limit text for setPoint (low side first) to event and answers the log type: 1 device
    // alert when a bound is exceeded, else 0 device status.
    int appendAlert(QString &event, int setPoint, const QString &unit) const;
};

// "°F" for a temperature unit above 0, else "°C".
QString temperatureUnitText(int temperatureUnit);
