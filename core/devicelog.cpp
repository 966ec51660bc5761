#include "core/devicelog.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/messagerecord.h"
#include "core/queryhelpers.h"
#include "core/roomname.h"
#include "core/sqltransaction.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariantList>

#include <cstring>

namespace {

// Marked entries are deleted this many ids per statement.
constexpr int deleteChunk = 500;

QString placeholders(int count)
{
    QString marks;
    marks.reserve(count * 2);
    for (int i = 0; i < count; ++i)
        marks += i ? ",?" : "?";
    return marks;
}

QVariantList idValues(const QVector<int> &ids, int from, int count)
{
    QVariantList values;
    values.reserve(count);
    for (int i = from; i < from + count; ++i)
        values << ids.at(i);
    return values;
}

logRecord logRecordFromRow(const QSqlQuery &query)
{
    logRecord record;
    std::memset(&record, 0, sizeof record);
    record.id = queryColumnInt(query, "id");
    record.log_type = queryColumnInt(query, "log_type");
    copyRecordText(record.log_address, queryColumnText(query, "log_address"));
    copyRecordText(record.log_device, queryColumnText(query, "log_device"));
    copyRecordText(record.log_event, queryColumnText(query, "log_event"));
    copyRecordText(record.log_time, queryColumnText(query, "log_time"));
    return record;
}

} // namespace

bool addDeviceLog(const QString &device, const QString &event, int roomId, int logType)
{
    const RoomNameParts names = roomNameParts(roomId);
    if (!names.complete())
        return true;
    const QString address = names.joined();

    // Several entries can share one second; the id breaks the tie so the latest insert is the one compared.
    static const QString lastSql = "select log_event from tbl_log where log_type=? and log_address=? and log_device=? "
                                   "order by log_time desc, id desc";
    QSqlQuery last = gDatabase.queryPrepared(lastSql, {logType, address, device});
    const bool unchanged = last.next() && last.value(0).toString() == event;
    last.finish();
    if (unchanged)
        return true;

    return gDatabase.execSql(
        "insert into tbl_log(log_type,log_address,log_device,log_event,log_time) values(?,?,?,?,?)",
        {logType, address, device, event, QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss")});
}

int readDeviceLogStamps(int afterId, const QString &from, const QString &to, int limit,
                        const std::function<void(int id, const QString &time)> &take)
{
    QSqlQuery query = gDatabase.readSql(
        "select id,log_time from tbl_log where id>? and log_time>=? and log_time<=? order by id limit ?",
        {afterId, from, to, limit});
    int count = 0;
    while (query.next()) {
        take(query.value(0).toInt(), query.value(1).toString());
        ++count;
    }
    return count;
}

QList<logRecord> deviceLogEntries(const QVector<int> &ids)
{
    QList<logRecord> records;
    if (ids.isEmpty())
        return records;
    QSqlQuery query = gDatabase.readSql("select * from tbl_log where id in (" + placeholders(ids.size()) + ")",
                                        idValues(ids, 0, ids.size()));
    while (query.next())
        records.append(logRecordFromRow(query));
    return records;
}

bool deleteDeviceLogEntries(const QVector<int> &ids, QString *error)
{
    if (ids.isEmpty())
        return true;
    SqlTransaction transaction;
    bool ok = transaction.isOpen();
    for (int from = 0; ok && from < ids.size(); from += deleteChunk) {
        const int count = qMin(deleteChunk, ids.size() - from);
        ok = gDatabase.execSql("delete from tbl_log where id in (" + placeholders(count) + ")",
                               idValues(ids, from, count));
    }
    if (ok && transaction.commit())
        return true;
    if (error)
        *error = gDatabase.lastErrorText();
    return false;
}

QHash<int, QString> deviceLogTypeNames()
{
    QHash<int, QString> names;
    QSqlQuery types = gDatabase.querySql("select log_type,log_type_name from tbl_log_type");
    while (types.next()) {
        if (!names.contains(types.value(0).toInt()))
            names.insert(types.value(0).toInt(), types.value(1).toString());
    }
    return names;
}

bool readDeviceLogRange(const QString &from, const QString &to, const std::function<bool(const DeviceLogLine &)> &take,
                        QString *error)
{
    QSqlQuery query = gDatabase.readSql("select log_time,log_address,log_device,log_event,log_type from tbl_log "
                                        "where log_time>=? and log_time<=? order by log_time desc,id desc",
                                        {from, to});
    bool ok = query.isActive();
    DeviceLogLine line;
    while (ok && query.next()) {
        line.time = query.value(0).toString();
        line.address = query.value(1).toString();
        line.device = query.value(2).toString();
        line.event = query.value(3).toString();
        line.type = query.value(4).toInt();
        ok = take(line);
    }
    // A read that stopped early must not pass for the whole range.
    if (ok && query.lastError().isValid())
        ok = false;
    if (!ok && error && query.lastError().isValid())
        *error = query.lastError().text();
    return ok;
}

bool purgeDeviceLogBefore(const QString &cutoff, QString *error)
{
    if (gDatabase.execSql("delete from tbl_log where log_time <=?", {cutoff}))
        return true;
    if (error)
        *error = gDatabase.lastErrorText();
    return false;
}
