#pragma once
// The device log writer: the panels describe a device's state in a sentence and it is stored in tbl_log, unless
// the same device of the same room last logged the same sentence under the same log type.

#include <QString>

// device: the panel's key ("light_<remark>", "ac_<remark>", "fh_<remark>", "master", "occupation");
// event: the sentence; logType: 0 device status, 1 device alert. A room without its room, floor or region
// row logs nothing. Among entries of the same second the latest insert counts as the last one.
void addDeviceLog(const QString &device, const QString &event, int roomId, int logType);
