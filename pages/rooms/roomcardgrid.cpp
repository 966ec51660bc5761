#include "pages/rooms/roomcardgrid.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/queryhelpers.h"
#include "core/roomname.h"
#include "devicelink/broadcastsocket.h"
#include "shell/manageritem.h"
#include "shell/tilegrid.h"

#include <QHash>
#include <QSqlQuery>

namespace {

// Region and floor names looked up once per load instead of twice per room: a project has few of them and
// thousands of rooms.
struct PlaceNames
{
    QHash<int, QString> regions;
    QHash<qint64, QString> floors;

    static qint64 floorKey(int regionId, int floorId) { return (qint64(regionId) << 32) | quint32(floorId); }

    void read()
    {
        QSqlQuery regionRows = gDatabase.querySql("select region_id,region_name from tbl_region");
        while (regionRows.next()) {
            const int id = regionRows.value(0).toInt();
            // The first row of an id is the one a lookup by id would find.
            if (!regions.contains(id))
                regions.insert(id, regionRows.value(1).toString());
        }
        QSqlQuery floorRows = gDatabase.querySql("select region_id,floor_id,floor_name from tbl_floor");
        while (floorRows.next()) {
            const qint64 key = floorKey(floorRows.value(0).toInt(), floorRows.value(1).toInt());
            if (!floors.contains(key))
                floors.insert(key, floorRows.value(2).toString());
        }
    }
};

} // namespace

RoomCardGrid::RoomCardGrid(QtMaterialGroupBox *box, int availableWidth, QObject *parent)
    : QObject(parent), tileGrid(new TileGrid(box, cardWidth, cardHeight, this)), width(availableWidth)
{
}

void RoomCardGrid::load()
{
    tileGrid->begin(width);
    PlaceNames names;
    names.read();
    QSqlQuery rooms = gDatabase.querySql("select room_id,room_name,icon_name,floor_id,region_id from tbl_room "
                                         "order by region_id asc,floor_id asc,room_id asc");
    while (rooms.next()) {
        const int roomId = rooms.value(0).toInt();
        const int floorId = rooms.value(3).toInt();
        const int regionId = rooms.value(4).toInt();
        const QString name =
            QString("%1-%2-%3")
                .arg(names.regions.value(regionId), names.floors.value(PlaceNames::floorKey(regionId, floorId)),
                     rooms.value(1).toString());
        ManagerItem *card = tileGrid->addItemTile(RoomTile, roomId, name, rooms.value(2).toString(), false);
        connect(card, &ManagerItem::signalsEdit, this, &RoomCardGrid::openRoom);
    }
    tileGrid->finish();
}

QList<ManagerItem *> RoomCardGrid::cards() const
{
    QList<ManagerItem *> list;
    for (QWidget *tile : tileGrid->tiles())
        list.append(static_cast<ManagerItem *>(tile));
    return list;
}

void RoomCardGrid::openRoom(int type, int id)
{
    if (type != RoomTile)
        return;
    const RoomNameParts parts = roomNameParts(id);
    // A room deleted since the cards were built.
    if (!parts.hasRoom)
        return;
    emit gBroadcastSocket.signalsPageIdChanged(QStringLiteral("Operate Room"), parts.joined(), QString::number(id),
                                               QStringLiteral("1"));
}
