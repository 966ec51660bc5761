#include "core/placementstore.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/queryhelpers.h"

#include <QSqlQuery>

namespace {

// A light's and an air conditioner's placements differ only in their table and key column.
struct PositionTable
{
    const char *position;   // xp1, yp1 of one device (key, room id)
    const char *defaultRow; // a row at (0, 0) (key, xp1, yp1, room id)
    const char *store;      // a new position (xp1, yp1, key, room id)
    const char *remove;     // the device's row (key, room id)
};

const PositionTable lightTable = {
    "select xp1,yp1 from tbl_3d_view_light where light_id=%d and room_id=%d",
    "insert into tbl_3d_view_light(light_id,xp1,yp1,room_id) values(%d,%d,%d,%d)",
    "update tbl_3d_view_light set xp1=%d,yp1=%d where light_id=%d and room_id=%d",
    "delete from tbl_3d_view_light where light_id=%d and room_id=%d",
};

const PositionTable climateTable = {
    "select xp1,yp1 from tbl_3d_air_conditioner where air_conditioner_no=%d and room_id=%d",
    "insert into tbl_3d_air_conditioner(air_conditioner_no,xp1,yp1,room_id) values(%d,%d,%d,%d)",
    "update tbl_3d_air_conditioner set xp1=%d,yp1=%d where air_conditioner_no=%d and room_id=%d",
    "delete from tbl_3d_air_conditioner where air_conditioner_no=%d and room_id=%d",
};

bool run(const QString &sql, QString *error)
{
    if (gDatabase.execSql(sql))
        return true;
    if (error)
        *error = gDatabase.lastErrorText();
    return false;
}

bool run(const QString &sql, const QVariantList &values, QString *error)
{
    if (gDatabase.execSql(sql, values))
        return true;
    if (error)
        *error = gDatabase.lastErrorText();
    return false;
}

// The first row of a query of only numbers into query; false (error set) when the statement failed.
bool select(const QString &sql, QSqlQuery &query, QString *error)
{
    query = gDatabase.querySql(sql);
    if (query.isActive())
        return true;
    if (error)
        *error = gDatabase.lastErrorText();
    return false;
}

bool loadPosition(const PositionTable &table, int key, int roomId, QPoint &position, QString *error)
{
    position = QPoint(0, 0);
    QSqlQuery query;
    if (!select(QString::asprintf(table.position, key, roomId), query, error))
        return false;
    if (query.next()) {
        position = QPoint(queryColumnInt(query, "xp1"), queryColumnInt(query, "yp1"));
        query.finish();
        return true;
    }
    query.finish();
    return run(QString::asprintf(table.defaultRow, key, 0, 0, roomId), error);
}

bool savePosition(const PositionTable &table, int key, int roomId, const QPoint &position, QString *error)
{
    return run(QString::asprintf(table.store, position.x(), position.y(), key, roomId), error);
}

bool deletePosition(const PositionTable &table, int key, int roomId, QString *error)
{
    return run(QString::asprintf(table.remove, key, roomId), error);
}

const char *const pictureSql = "select icon_name from tbl_3d_view_manager where room_id=%d";

} // namespace

bool readRoomPicture(int roomId, QString &iconName, QString *error)
{
    return queryStringValue(QString::asprintf(pictureSql, roomId), "icon_name", iconName, error);
}

bool loadRoomPicture(int roomId, const QString &defaultName, QString &iconName, QString *error)
{
    QSqlQuery query;
    if (!select(QString::asprintf(pictureSql, roomId), query, error))
        return false;
    if (query.next()) {
        iconName = queryColumnText(query, "icon_name");
        query.finish();
        return true;
    }
    query.finish();
    if (!run("insert into tbl_3d_view_manager(icon_name,room_id) values(?,?)", {defaultName, roomId}, error))
        return false;
    iconName = defaultName;
    return true;
}

bool saveRoomPicture(int roomId, const QString &iconName, QString *error)
{
    return run("update tbl_3d_view_manager set icon_name=? where room_id=?", {iconName, roomId}, error);
}

bool loadLightPosition(int lightId, int roomId, QPoint &position, QString *error)
{
    return loadPosition(lightTable, lightId, roomId, position, error);
}

bool saveLightPosition(int lightId, int roomId, const QPoint &position, QString *error)
{
    return savePosition(lightTable, lightId, roomId, position, error);
}

bool deleteLightPosition(int lightId, int roomId, QString *error)
{
    return deletePosition(lightTable, lightId, roomId, error);
}

bool loadClimatePosition(int airConditionerNo, int roomId, QPoint &position, QString *error)
{
    return loadPosition(climateTable, airConditionerNo, roomId, position, error);
}

bool saveClimatePosition(int airConditionerNo, int roomId, const QPoint &position, QString *error)
{
    return savePosition(climateTable, airConditionerNo, roomId, position, error);
}

bool deleteClimatePosition(int airConditionerNo, int roomId, QString *error)
{
    return deletePosition(climateTable, airConditionerNo, roomId, error);
}
