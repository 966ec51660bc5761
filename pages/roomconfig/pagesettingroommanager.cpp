#include "pages/roomconfig/pagesettingroommanager.h"

#include "core/globals.h"
#include "core/roomdeletion.h"
#include "core/roomstore.h"
#include "core/templatestore.h"
#include "devicelink/broadcastsocket.h"
#include "pages/roomconfig/roomadddlg.h"
#include "shell/manageritem.h"
#include "shell/orvmessagebox.h"
#include "shell/pageids.h"
#include "shell/tilegrid.h"

#include <QHash>
#include <QPair>

PageSettingRoomManager::PageSettingRoomManager(const QString &id, const QString &name, QWidget *parent)
    : MyDialog(id, name, parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSettingRoomManager");
    groupBox = addTileCanvas(this);
    m_grid = new TileGrid(groupBox, 300, 160, this);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this, &PageSettingRoomManager::slotsPageEnter);
}

void PageSettingRoomManager::slotsPageEnter()
{
    if (isVisible())
        refreshRoomList();
}

void PageSettingRoomManager::refreshRoomList()
{
    // Region and floor names are read once per build, not once per room.
    QHash<int, QString> regionNames;
    for (const RegionRow &region : regions())
        regionNames.insert(region.regionId, region.name);
    QHash<QPair<int, int>, QString> floorNames;
    for (const FloorRow &floor : floors())
        floorNames.insert({floor.regionId, floor.floorId}, floor.name);

    m_grid->begin(gScreenWidth);
    for (const RoomRow &room : roomsInOrder()) {
        const QString label = QString::asprintf("%s-%s-%s", regionNames.value(room.regionId).toUtf8().constData(),
                                                floorNames.value({room.regionId, room.floorId}).toUtf8().constData(),
                                                room.name.toUtf8().constData());
        ManagerItem *tile = m_grid->addItemTile(RoomTile, room.roomId, label, room.iconName, true);
        connect(tile, &ManagerItem::signalsEdit, this, &PageSettingRoomManager::slotsEdit);
        connect(tile, &ManagerItem::signalsDelete, this, &PageSettingRoomManager::slotsDelete);
    }
    connect(m_grid->addAddTile(), &ManagerItem::signalsEdit, this, &PageSettingRoomManager::slotsEdit);
    m_grid->finish();
}

void PageSettingRoomManager::slotsEdit(int type, int id)
{
    if (type == AddTile) {
        if (!hasRoomTemplate()) {
            emit gBroadcastSocket.signalsInformation(tr("Please add room template!"));
            return;
        }
        RoomAddDlg dialog(nullptr);
        if (dialog.exec() == QDialog::Accepted)
            refreshRoomList();
    } else if (type == RoomTile) {
        emit gBroadcastSocket.signalsPageIdChanged(trPageId(PageId::EditRoom), trPageId(PageId::EditRoom),
                                                   QString::asprintf("%d", id), tr("1"));
    }
}

void PageSettingRoomManager::slotsDelete(int type, int id)
{
    if (type != RoomTile)
        return;
    RoomRow room;
    if (!readRoom(id, room))
        return;
    const QString name = room.name;
    ORVMessageBox box(QString::asprintf("Are you sure to delete room %s and all the information associated with it?",
                                        name.toUtf8().constData()),
                      500, 160, false, 2, nullptr);
    if (box.exec() != QDialog::Accepted)
        return;
    // The room goes whole or not at all.
    if (!deleteRoom(id))
        emit gBroadcastSocket.signalsInformation(tr("Delete failed!"));
    refreshRoomList();
}
