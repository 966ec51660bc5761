#include "pages/view3d/roomgrid3d.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/placementstore.h"
#include "core/queryhelpers.h"
#include "devicelink/broadcastsocket.h"
#include "shell/manageritem.h"
#include "shell/tilegrid.h"

#include <QSqlQuery>

const char *const RoomGrid3D::defaultPicture = "3d_view_01";

QString roomLabel3D(int regionId, int floorId, const QString &roomName)
{
    QString region;
    QString floor;
    queryStringValue(QString::asprintf("select region_name from tbl_region where region_id=%d", regionId),
                     "region_name", region);
    queryStringValue(
        QString::asprintf("select floor_name from tbl_floor where region_id=%d and floor_id=%d", regionId, floorId),
        "floor_name", floor);
    return QString::asprintf("%s-%s-%s", region.toUtf8().constData(), floor.toUtf8().constData(),
                             roomName.toUtf8().constData());
}

RoomGrid3D::RoomGrid3D(const QString &id, const QString &name, QWidget *parent) : MyDialog(id, name, parent)
{
    resize(400, 300);
    setWindowTitle(tr("Dialog"));
    groupBox = addTileCanvas(this);
    m_grid = new TileGrid(groupBox, 300, 160, this);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this, &RoomGrid3D::slotsPageEnter);
}

void RoomGrid3D::slotsPageEnter()
{
    if (isVisible())
        loadRooms();
}

void RoomGrid3D::loadRooms()
{
    m_grid->begin(gScreenWidth);
    QString storeError;
    QSqlQuery query = gDatabase.querySql("select * from tbl_room order by region_id asc,floor_id asc,room_id asc");
    while (query.next()) {
        QString picture = defaultPicture;
        const int roomId = queryColumnInt(query, "room_id");
        const QString label = roomLabel3D(queryColumnInt(query, "region_id"), queryColumnInt(query, "floor_id"),
                                          queryColumnText(query, "room_name"));
        // A room without its row gets one with the default picture; a card whose row cannot be read or added
        // still shows the default picture.
        QString error;
        if (!loadRoomPicture(roomId, defaultPicture, picture, &error) && storeError.isEmpty())
            storeError = error.isEmpty() ? tr("unknown error") : error;
        ManagerItem *card = m_grid->addItemTile(View3DTile, roomId, label, picture, false);
        connect(card, &ManagerItem::signalsEdit, this, &RoomGrid3D::slotsEdit);
    }
    query.finish();
    m_grid->finish();
    if (!storeError.isEmpty())
        emit gBroadcastSocket.signalsInformation(
            tr("The 3D view pictures of the rooms could not be read or stored: %1").arg(storeError));
}
