#include "core/devicelog.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/queryhelpers.h"

#include <QDateTime>

void addDeviceLog(const QString &device, const QString &event, int roomId, int logType)
{
    const QString roomSql =
        QString::asprintf("select room_name,floor_id,region_id from tbl_room where room_id=%d", roomId);
    if (!queryHasRecord(roomSql))
        return;
    QString roomName;
    queryStringValue(roomSql, "room_name", roomName);
    const int regionId = queryIntValue(roomSql, "region_id");
    const int floorId = queryIntValue(roomSql, "floor_id");

    const QString regionSql = QString::asprintf("select region_name from tbl_region where region_id=%d", regionId);
    if (!queryHasRecord(regionSql))
        return;
    QString regionName;
    queryStringValue(regionSql, "region_name", regionName);

    const QString floorSql =
        QString::asprintf("select floor_name from tbl_floor where floor_id=%d and region_id=%d", floorId, regionId);
    if (!queryHasRecord(floorSql))
        return;
    QString floorName;
    queryStringValue(floorSql, "floor_name", floorName);

    const QString address = regionName + "-" + floorName + "-" + roomName;

    // Several entries can share one second; the id breaks the tie so the latest insert is the one compared.
    const QString lastSql = "select log_event from tbl_log where log_type=? and log_address=? and log_device=? "
                            "order by log_time desc, id desc";
    const QVariantList key = {logType, address, device};
    if (queryHasRecord(lastSql, key)) {
        QString lastEvent;
        queryStringValue(lastSql, key, "log_event", lastEvent);
        if (lastEvent == event)
            return;
    }

    gDatabase.execSql("insert into tbl_log(log_type,log_address,log_device,log_event,log_time) values(?,?,?,?,?)",
                      {logType, address, device, event, QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss")});
}
