#pragma once
// A fresh project database with wall panels and message definitions, for the tests of guest requests.

#include "core/cppsqlite3db.h"
#include "core/databaseinit.h"
#include "core/globals.h"

#include <QDir>
#include <QString>
#include <QTemporaryDir>

namespace guestfixture {

// Points gDatabase at a new project database in dir.
inline void openFreshDatabase(const QTemporaryDir &dir, const QString &file = "guest.db3")
{
    gDatabase.close();
    QFile::remove(QDir(dir.path()).filePath(file));
    createDatabaseTables(QDir(dir.path()).filePath(file));
}

// A room with a region and floor of its own, each row numbered like the room.
inline bool addRoom(int roomId, const QString &region, const QString &floor, const QString &room)
{
    return gDatabase.execSql("insert into tbl_region(region_name,region_id) values(?,?)", {region, roomId}) &&
           gDatabase.execSql("insert into tbl_floor(floor_name,floor_id,region_id) values(?,?,?)",
                             {floor, roomId, roomId}) &&
           gDatabase.execSql("insert into tbl_room(room_name,room_id,floor_id,region_id) values(?,?,?,?)",
                             {room, roomId, roomId, roomId});
}

inline bool addPanel(int panelId, int subnet, int device, int roomId)
{
    return gDatabase.execSql(
        "insert into tbl_panel(panel_id,panel_remark,subnet_id,device_id,room_id)values(?,?,?,?,?)",
        {panelId, QString("panel %1").arg(panelId), subnet, device, roomId});
}

inline bool addMessage(int messageId, int type, const QString &remark, const QString &icon, int switchNo)
{
    return gDatabase.execSql(
        "insert into "
        "tbl_message(message_id,message_type,message_remark,icon_name,universal_switch_no)values(?,?,?,?,?)",
        {messageId, type, remark, icon, switchNo});
}

inline bool addLogRow(int messageId, int type, int status, int panelId, int roomId, const QString &recvTime,
                      const QString &remark = QString())
{
    return gDatabase.execSql("insert into tbl_message_log(message_id,message_type,message_status,panel_id,room_id,"
                             "message_log_remark,recv_time,deal_time)values(?,?,?,?,?,?,?,?)",
                             {messageId, type, status, panelId, roomId, remark, recvTime, QString()});
}

inline int logRowCount()
{
    QSqlQuery q = gDatabase.querySql("select count(*) from tbl_message_log");
    return q.next() ? q.value(0).toInt() : -1;
}

} // namespace guestfixture
