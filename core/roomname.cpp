#include "core/roomname.h"

#include "core/queryhelpers.h"

QString RoomNameParts::joined() const
{
    return region + "-" + floor + "-" + room;
}

RoomNameParts roomNameParts(int roomId)
{
    RoomNameParts parts;
    const QString roomSql = QString::asprintf("select * from tbl_room where room_id=%d", roomId);
    parts.hasRoom = queryStringValue(roomSql, "room_name", parts.room);
    if (!parts.hasRoom)
        return parts;
    const int regionId = queryIntValue(roomSql, "region_id");
    const int floorId = queryIntValue(roomSql, "floor_id");
    parts.hasRegion =
        queryStringValue(QString::asprintf("select region_name from tbl_region where region_id=%d", regionId),
                         "region_name", parts.region);
    parts.hasFloor = queryStringValue(
        QString::asprintf("select floor_name from tbl_floor where floor_id=%d and region_id=%d", floorId, regionId),
        "floor_name", parts.floor);
    return parts;
}

QString roomFullName(int roomId)
{
    return roomNameParts(roomId).joined();
}
