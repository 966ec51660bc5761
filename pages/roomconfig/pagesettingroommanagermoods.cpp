#include "pages/roomconfig/pagesettingroommanagermoods.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/recordid.h"
#include "core/roomdeletion.h"
#include "devicelink/broadcastsocket.h"
#include "pages/pickers/picturechoice.h"
#include "shell/manageritem.h"
#include "shell/pageids.h"
#include "shell/tilegrid.h"

#include <QSqlQuery>

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
    QSqlQuery query =
        gDatabase.querySql(QString::asprintf("select * from tbl_mood where room_id=%d order by mood_id asc", roomId));
    while (query.next()) {
        ManagerItem *tile =
            m_grid->addItemTile(MoodTile, query.value("mood_id").toInt(), query.value("mood_name").toString(),
                                query.value("mood_icon_name").toString(), true);
        connect(tile, &ManagerItem::signalsEdit, this, &PageSettingRoomManagerMoods::slotsEdit);
        connect(tile, &ManagerItem::signalsDelete, this, &PageSettingRoomManagerMoods::slotsDelete);
    }
    query.finish();
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
    bool ok = gDatabase.beginTransaction();
    if (ok) {
        for (const char *table :
             {"tbl_mood", "tbl_mood_light_status", "tbl_mood_air_conditioner_status", "tbl_mood_command"})
            ok = ok && gDatabase.execSql(
                           QString::asprintf("delete from %s where mood_id=%d and room_id=%d", table, id, m_roomId));
        if (ok) {
            gDatabase.afterCommit([id] { deleteProjectPicture(PictureChoice::projectPictureName("Mood", id)); });
            ok = gDatabase.commitTransaction();
        } else {
            gDatabase.rollbackTransaction();
        }
    }
    refreshList(m_roomId);
}
