#pragma once
// What the device panels write to the device log.

#include <QString>

// Adds the entry to the device log (core/devicelog.h: skipped when unchanged or when the room has no full
// name). An entry the project cannot take is told to the staff, with the project and the reason, so that a
// full disk does not silently leave gaps in the log.
void logDeviceEvent(const QString &device, const QString &event, int roomId, int logType);
