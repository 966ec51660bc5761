#include "pages/roomconfig/pagesettingroommanager.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/queryhelpers.h"
#include "core/roomdeletion.h"
#include "devicelink/broadcastsocket.h"
#include "pages/roomconfig/roomadddlg.h"
#include "shell/manageritem.h"
#include "shell/orvmessagebox.h"
#include "shell/pageids.h"
#include "shell/tilegrid.h"

#include <QHash>
#include <QPair>
#include <QSqlQuery>

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
    QHash<int, QString> regions;
    QSqlQuery query = gDatabase.querySql("select region_id,region_name from tbl_region");
    while (query.next())
        regions.insert(query.value(0).toInt(), query.value(1).toString());
    QHash<QPair<int, int>, QString> floors;
    query = gDatabase.querySql("select region_id,floor_id,floor_name from tbl_floor");
    while (query.next())
        floors.insert({query.value(0).toInt(), query.value(1).toInt()}, query.value(2).toString());

    m_grid->begin(gScreenWidth);
    query = gDatabase.querySql("select * from tbl_room order by region_id asc,floor_id asc,room_id asc");
    while (query.next()) {
        const int regionId = query.value("region_id").toInt();
        const int floorId = query.value("floor_id").toInt();
        const QString label = QString::asprintf("%s-%s-%s", regions.value(regionId).toUtf8().constData(),
                                                floors.value({regionId, floorId}).toUtf8().constData(),
                                                query.value("room_name").toString().toUtf8().constData());
        ManagerItem *tile = m_grid->addItemTile(RoomTile, query.value("room_id").toInt(), label,
                                                query.value("icon_name").toString(), true);
        connect(tile, &ManagerItem::signalsEdit, this, &PageSettingRoomManager::slotsEdit);
        connect(tile, &ManagerItem::signalsDelete, this, &PageSettingRoomManager::slotsDelete);
    }
    query.finish();
    connect(m_grid->addAddTile(), &ManagerItem::signalsEdit, this, &PageSettingRoomManager::slotsEdit);
    m_grid->finish();
}

void PageSettingRoomManager::slotsEdit(int type, int id)
{
    if (type == AddTile) {
        if (!queryHasRecord("select id from tbl_room_template")) {
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
    QString name;
    if (!queryStringValue(QString::asprintf("select room_name from tbl_room where room_id=%d", id), "room_name", name))
        return;
    ORVMessageBox box(QString::asprintf("Are you sure to delete room %s and all the information associated with it?",
                                        name.toUtf8().constData()),
                      500, 160, false, 2, nullptr);
    if (box.exec() != QDialog::Accepted)
        return;
    deleteRoom(id);
    refreshRoomList();
}
