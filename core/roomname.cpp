#include "core/roomname.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/roomstore.h"

#include <QSqlQuery>

QString RoomNameParts::joined() const
{
    return region + "-" + floor + "-" + room;
}

RoomNameParts roomNameParts(int roomId)
{
    // One statement rather than one per table: every device log row and every guest request asks for the name,
    // and at the bus's pace each statement counts. The room's first row leads; its region and floor are those of
    // the first rows with its ids, an id that is not set counting as 0.
    static const QString sql =
        QStringLiteral("select r.room_name,"
                       " exists(select 1 from tbl_region g where g.region_id=ifnull(r.region_id,0)),"
                       " (select g.region_name from tbl_region g where g.region_id=ifnull(r.region_id,0) limit 1),"
                       " exists(select 1 from tbl_floor f where f.floor_id=ifnull(r.floor_id,0) and "
                       "f.region_id=ifnull(r.region_id,0)),"
                       " (select f.floor_name from tbl_floor f where f.floor_id=ifnull(r.floor_id,0) and"
                       " f.region_id=ifnull(r.region_id,0) limit 1)"
                       " from tbl_room r where r.room_id=? limit 1");
    RoomNameParts parts;
    QSqlQuery query = gDatabase.queryPrepared(sql, {roomId});
    parts.hasRoom = query.next();
    if (parts.hasRoom) {
        parts.room = query.value(0).toString();
        parts.hasRegion = query.value(1).toInt() != 0;
        parts.region = query.value(2).toString();
        parts.hasFloor = query.value(3).toInt() != 0;
        parts.floor = query.value(4).toString();
    }
    query.finish();
    return parts;
}

QString roomFullName(int roomId)
{
    return roomNameParts(roomId).joined();
}

RoomLabels::RoomLabels()
{
    for (const RegionRow &region : regions()) {
        if (!m_regions.contains(region.regionId))
            m_regions.insert(region.regionId, region.name);
    }
    for (const FloorRow &floor : floors()) {
        const qint64 key = floorKey(floor.regionId, floor.floorId);
        if (!m_floors.contains(key))
            m_floors.insert(key, floor.name);
    }
}

QString RoomLabels::label(int regionId, int floorId, const QString &roomName) const
{
    return RoomNameParts{m_regions.value(regionId), m_floors.value(floorKey(regionId, floorId)), roomName}.joined();
}
