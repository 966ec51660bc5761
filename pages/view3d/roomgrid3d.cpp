#include "pages/view3d/roomgrid3d.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/placementstore.h"
#include "core/queryhelpers.h"
#include "core/roomstore.h"
#include "devicelink/broadcastsocket.h"
#include "shell/manageritem.h"
#include "shell/tilegrid.h"

#include <QSqlQuery>

const char *const RoomGrid3D::defaultPicture = "3d_view_01";

QString roomLabel3D(int regionId, int floorId, const QString &roomName)
{
    const QString region = regionName(regionId);
    const QString floor = floorName(regionId, floorId);
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
    for (const RoomRow &room : roomsInOrder()) {
        QString picture = defaultPicture;
        const int roomId = room.roomId;
        const QString label = roomLabel3D(room.regionId, room.floorId, room.name);
        // A room without its row gets one with the default picture; a card whose row cannot be read or added
        // still shows the default picture.
        QString error;
        if (!loadRoomPicture(roomId, defaultPicture, picture, &error) && storeError.isEmpty())
            storeError = error.isEmpty() ? tr("unknown error") : error;
        ManagerItem *card = m_grid->addItemTile(View3DTile, roomId, label, picture, false);
        connect(card, &ManagerItem::signalsEdit, this, &RoomGrid3D::slotsEdit);
    }
    m_grid->finish();
    if (!storeError.isEmpty())
        emit gBroadcastSocket.signalsInformation(
            tr("The 3D view pictures of the rooms could not be read or stored: %1").arg(storeError));
}
