#include "core/devicelog.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/queryhelpers.h"
#include "core/roomname.h"

#include <QDateTime>
#include <QSqlQuery>

void addDeviceLog(const QString &device, const QString &event, int roomId, int logType)
{
    const RoomNameParts names = roomNameParts(roomId);
    if (!names.complete())
        return;
    const QString address = names.joined();

    // Several entries can share one second; the id breaks the tie so the latest insert is the one compared.
    static const QString lastSql = "select log_event from tbl_log where log_type=? and log_address=? and log_device=? "
                                   "order by log_time desc, id desc";
    QSqlQuery last = gDatabase.queryPrepared(lastSql, {logType, address, device});
    const bool unchanged = last.next() && last.value(0).toString() == event;
    last.finish();
    if (unchanged)
        return;

    gDatabase.execSql("insert into tbl_log(log_type,log_address,log_device,log_event,log_time) values(?,?,?,?,?)",
                      {logType, address, device, event, QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss")});
}
