#include "pages/roomconfig/pagesettingroommanagermoods.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/moodstore.h"
#include "core/recordid.h"
#include "core/roomdeletion.h"
#include "devicelink/broadcastsocket.h"
#include "pages/pickers/picturechoice.h"
#include "shell/manageritem.h"
#include "shell/pageids.h"
#include "shell/tilegrid.h"

PageSettingRoomManagerMoods::PageSettingRoomManagerMoods(QWidget *parent) : MyDialog(parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSettingRoomManagerMoods");
    groupBox = addTileCanvas(this);
    m_grid = new TileGrid(groupBox, 300, 160, this);
}

void PageSettingRoomManagerMoods::refreshList(int roomId)
{
    m_roomId = roomId;
    m_grid->begin(gScreenWidth);
    for (const StoredMood &mood : loadRoomMoods(roomId)) {
        ManagerItem *tile = m_grid->addItemTile(MoodTile, mood.moodId, mood.name, mood.iconName, true);
        connect(tile, &ManagerItem::signalsEdit, this, &PageSettingRoomManagerMoods::slotsEdit);
        connect(tile, &ManagerItem::signalsDelete, this, &PageSettingRoomManagerMoods::slotsDelete);
    }
    connect(m_grid->addAddTile(), &ManagerItem::signalsEdit, this, &PageSettingRoomManagerMoods::slotsEdit);
    m_grid->finish();
}

void PageSettingRoomManagerMoods::slotsEdit(int type, int id)
{
    int moodId = id;
    if (type == AddTile)
        moodId = nextMoodId();
    else if (type != MoodTile)
        return;
    emit gBroadcastSocket.signalsPageIdChanged(trPageId(PageId::MoodsInformation), trPageId(PageId::MoodsInformation),
                                               QString::asprintf("%d-%d", moodId, m_roomId), tr("1"));
}

void PageSettingRoomManagerMoods::slotsDelete(int type, int id)
{
    if (type != MoodTile)
        return;
    bool shown = false;
    for (QWidget *tile : m_grid->tiles()) {
        auto *item = qobject_cast<ManagerItem *>(tile);
        shown = shown || (item && item->type() == MoodTile && item->id() == id);
    }
    if (!shown)
        return;

    // The mood goes whole or not at all; its picture only once the rows are gone for good.
    if (deleteMood(id, m_roomId))
        gDatabase.afterCommit([id] { deleteProjectPicture(PictureChoice::projectPictureName("Mood", id)); });
    else
        emit gBroadcastSocket.signalsInformation(tr("Delete failed!"));
    refreshList(m_roomId);
}
