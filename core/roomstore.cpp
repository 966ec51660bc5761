#include "core/roomstore.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/queryhelpers.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// Reads the rows of a `select *` on tbl_room, the columns looked up once for all rows (a project may have
// thousands of rooms); a missing column reads as empty.
class RoomReader
{
public:
    explicit RoomReader(const QSqlQuery &query)
    {
        const QSqlRecord record = query.record();
        for (int i = 0; i < columnCount; ++i)
            m_index[i] = record.indexOf(columns[i]);
    }

    RoomRow row(const QSqlQuery &query) const
    {
        RoomRow room;
        room.roomId = queryValueInt(value(query, 0));
        room.name = value(query, 1).toString();
        room.iconName = value(query, 2).toString();
        room.floorId = queryValueInt(value(query, 3));
        room.regionId = queryValueInt(value(query, 4));
        room.templateId = queryValueInt(value(query, 5));
        return room;
    }

private:
    static constexpr int columnCount = 6;
    static constexpr const char *columns[columnCount] = {"room_id",  "room_name", "icon_name",
                                                         "floor_id", "region_id", "room_template_id"};

    QVariant value(const QSqlQuery &query, int column) const
    {
        return m_index[column] < 0 ? QVariant() : query.value(m_index[column]);
    }

    int m_index[columnCount] = {};
};

// Read once from the first row to the last, without keeping the rows already read: a hotel lists thousands.
QVector<int> ids(const QString &sql, const QVariantList &values, QString *error)
{
    QVector<int> list;
    QSqlQuery query = gDatabase.readSql(sql, values);
    queryRan(query, error);
    const int column = query.record().indexOf("room_id");
    while (query.next())
        list.append(column < 0 ? 0 : queryValueInt(query.value(column)));
    return list;
}

QStringList names(const QString &sql, const QVariantList &values, const QString &column, QString *error)
{
    QStringList list;
    QSqlQuery query = queryRows(sql, values, error);
    while (query.next())
        list.append(queryColumnText(query, column));
    return list;
}

bool firstText(const QString &sql, const QVariantList &values, const QString &column, QString &text, QString *error)
{
    QSqlQuery query = queryRows(sql, values, error);
    if (!query.next())
        return false;
    text = queryColumnText(query, column);
    return true;
}

bool firstInt(const QString &sql, const QVariantList &values, const QString &column, int &value, QString *error)
{
    QSqlQuery query = queryRows(sql, values, error);
    if (!query.next())
        return false;
    value = queryColumnInt(query, column);
    return true;
}

// The order rooms are listed in everywhere: by region, by floor, by id.
const char *const roomOrder = " order by region_id asc,floor_id asc,room_id asc";

} // namespace

QVector<RoomRow> roomsInOrder(QString *error)
{
    QVector<RoomRow> rooms;
    QSqlQuery query = queryRows(QString("select * from tbl_room") + roomOrder, {}, error);
    const RoomReader reader(query);
    while (query.next())
        rooms.append(reader.row(query));
    return rooms;
}

QVector<int> roomIdsInOrder(QString *error)
{
    return ids(QString("select room_id from tbl_room") + roomOrder, {}, error);
}

QVector<int> usedRoomIds(QString *error)
{
    return ids("select room_id from tbl_room", {}, error);
}

QVector<int> roomIdsOfTemplate(int templateId, QString *error)
{
    return ids("select room_id from tbl_room where room_template_id=?", {templateId}, error);
}

bool readRoom(int roomId, RoomRow &room, QString *error)
{
    QSqlQuery query = queryRows("select * from tbl_room where room_id=?", {roomId}, error);
    if (!query.next())
        return false;
    room = RoomReader(query).row(query);
    return true;
}

bool addRoom(const RoomRow &room, QString *error)
{
    return execStatement("insert into tbl_room(room_name,icon_name,room_id,floor_id,region_id,room_template_id) "
                         "values(?,?,?,?,?,?)",
                         {room.name, room.iconName, room.roomId, room.floorId, room.regionId, room.templateId}, error);
}

bool saveRoomNameAndPicture(int roomId, const QString &name, const QString &iconName, QString *error)
{
    return execStatement("update tbl_room set room_name=?,icon_name=? where room_id=?", {name, iconName, roomId},
                         error);
}

QVector<RegionRow> regions(QString *error)
{
    QVector<RegionRow> list;
    QSqlQuery query = queryRows("select region_id,region_name from tbl_region", {}, error);
    while (query.next())
        list.append({queryColumnInt(query, "region_id"), queryColumnText(query, "region_name")});
    return list;
}

QVector<FloorRow> floors(QString *error)
{
    QVector<FloorRow> list;
    QSqlQuery query = queryRows("select region_id,floor_id,floor_name from tbl_floor", {}, error);
    while (query.next())
        list.append({queryColumnInt(query, "region_id"), queryColumnInt(query, "floor_id"),
                     queryColumnText(query, "floor_name")});
    return list;
}

QStringList regionNamesInOrder(QString *error)
{
    return names("select region_name from tbl_region order by region_id asc", {}, "region_name", error);
}

QStringList floorNamesOfRegion(int regionId, QString *error)
{
    return names("select floor_name from tbl_floor where region_id=? order by floor_id asc", {regionId}, "floor_name",
                 error);
}

QString regionName(int regionId, QString *error)
{
    QString name;
    firstText("select region_name from tbl_region where region_id=?", {regionId}, "region_name", name, error);
    return name;
}

QString floorName(int regionId, int floorId, QString *error)
{
    QString name;
    firstText("select floor_name from tbl_floor where region_id=? and floor_id=?", {regionId, floorId}, "floor_name",
              name, error);
    return name;
}

bool findRegion(const QString &name, int &regionId, QString *error)
{
    return firstInt("select region_id from tbl_region where region_name=?", {name}, "region_id", regionId, error);
}

bool findFloor(const QString &name, int regionId, int &floorId, QString *error)
{
    return firstInt("select floor_id from tbl_floor where floor_name=? and region_id=?", {name, regionId}, "floor_id",
                    floorId, error);
}

bool addRegion(const QString &name, int regionId, QString *error)
{
    return execStatement("insert into tbl_region(region_name,region_id) values(?,?)", {name, regionId}, error);
}

bool addFloor(const QString &name, int floorId, int regionId, QString *error)
{
    return execStatement("insert into tbl_floor(floor_name,floor_id,region_id) values(?,?,?)",
                         {name, floorId, regionId}, error);
}
