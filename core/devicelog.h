#pragma once
// The device log: the panels describe a device's state in a sentence and it is stored in tbl_log, unless the same
// device of the same room last logged the same sentence under the same log type; and what the log page reads,
// deletes and exports of it.

#include <QHash>
#include <QList>
#include <QString>
#include <QVector>
#include <QtGlobal>

#include <functional>

// device: the panel's key ("light_<remark>", "ac_<remark>", "fh_<remark>", "master", "occupation");
// event: the sentence; logType: 0 device status, 1 device alert. A room without its room, floor or region
// row logs nothing. Among entries of the same second the latest insert counts as the last one.
// False when the entry could not be written; the connection has logged why, and a panel has nothing more to do
// about its history, so the answer may go unused.
[[nodiscard]] bool addDeviceLog(const QString &device, const QString &event, int roomId, int logType);

// One row of tbl_log.
struct logRecord
{
    qint32 id;
    qint32 log_type;       // 0 device status, 1 device alert
    char log_address[256]; // "region-floor-room", NUL-terminated UTF-8
    char log_device[256];  // the panel's key of the device
    char log_event[256];   // what happened
    char log_time[256];    // "yyyy-MM-dd hh:mm:ss", local time
};

// Hands take the id and time of at most limit entries with an id above afterId whose time lies from from to to
// (both included), by ascending id; answers how many it handed. For listing a long range a slice at a time.
int readDeviceLogStamps(int afterId, const QString &from, const QString &to, int limit,
                        const std::function<void(int id, const QString &time)> &take);
// The entries ids as records (texts cut before the first character that does not fit whole); an id without its
// entry is left out.
QList<logRecord> deviceLogEntries(const QVector<int> &ids);
// Deletes the entries ids, together or not at all.
[[nodiscard]] bool deleteDeviceLogEntries(const QVector<int> &ids, QString *error = nullptr);
// The names of the log types by their code.
QHash<int, QString> deviceLogTypeNames();

// One entry with its whole texts, as the export writes it.
struct DeviceLogLine
{
    QString time;
    QString address;
    QString device;
    QString event;
    int type = 0;
};
// Hands take every entry whose time lies from from to to (both included), newest first and among entries of the
// same second the latest written first. True when every entry was handed; false when take answered false or the
// read failed (error then says why).
bool readDeviceLogRange(const QString &from, const QString &to, const std::function<bool(const DeviceLogLine &)> &take,
                        QString *error = nullptr);

// Deletes the entries logged at cutoff ("yyyy-MM-dd HH:mm:ss") or before.
[[nodiscard]] bool purgeDeviceLogBefore(const QString &cutoff, QString *error = nullptr);
