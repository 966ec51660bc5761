#include "pages/roomconfig/pagesettingroomtemplate.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/queryhelpers.h"
#include "core/roomdeletion.h"
#include "devicelink/broadcastsocket.h"
#include "pages/pickers/picturechoice.h"
#include "pages/roomconfig/roomtemplateadddlg.h"
#include "shell/manageritem.h"
#include "shell/orvmessagebox.h"
#include "shell/pageids.h"
#include "shell/tilegrid.h"

#include <QSqlQuery>

PageSettingRoomTemplate::PageSettingRoomTemplate(const QString &id, const QString &name, QWidget *parent)
    : MyDialog(id, name, parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSettingRoomTemplate");
    groupBox = addTileCanvas(this);
    m_grid = new TileGrid(groupBox, 300, 160, this);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this, &PageSettingRoomTemplate::slotsPageEnter);
}

void PageSettingRoomTemplate::slotsPageEnter()
{
    if (isVisible())
        refreshTemplateList();
}

void PageSettingRoomTemplate::refreshTemplateList()
{
    m_grid->begin(gScreenWidth);
    QSqlQuery query = gDatabase.querySql("select * from tbl_room_template order by room_template_id asc");
    while (query.next()) {
        ManagerItem *tile = m_grid->addItemTile(RoomTemplateTile, query.value("room_template_id").toInt(),
                                                query.value("room_template_name").toString(),
                                                query.value("room_template_icon_name").toString(), true);
        connect(tile, &ManagerItem::signalsEdit, this, &PageSettingRoomTemplate::slotsEdit);
        connect(tile, &ManagerItem::signalsDelete, this, &PageSettingRoomTemplate::slotsDelete);
    }
    query.finish();
    connect(m_grid->addAddTile(), &ManagerItem::signalsEdit, this, &PageSettingRoomTemplate::slotsEdit);
    m_grid->finish();
}

void PageSettingRoomTemplate::slotsEdit(int type, int id)
{
    if (type == AddTile) {
        RoomTemplateAddDlg dialog(nullptr);
        if (dialog.exec() == QDialog::Accepted)
            refreshTemplateList();
    } else if (type == RoomTemplateTile) {
        emit gBroadcastSocket.signalsPageIdChanged(trPageId(PageId::EditTemplate), trPageId(PageId::EditTemplate),
                                                   QString::asprintf("%d", id), tr("1"));
    }
}

void PageSettingRoomTemplate::slotsDelete(int type, int id)
{
    if (type != RoomTemplateTile)
        return;
    const QString sql = QString::asprintf("select *from tbl_room_template where room_template_id=%d", id);
    if (!queryHasRecord(sql))
        return;
    QString name;
    queryStringValue(sql, "room_template_name", name);
    ORVMessageBox box(
        QString::asprintf("Are you sure to delete template %s and all the information associated with it?",
                          name.toUtf8().constData()),
        500, 160, false, 2, nullptr);
    if (box.exec() != QDialog::Accepted)
        return;
    deleteTemplate(id);
    refreshTemplateList();
}

bool PageSettingRoomTemplate::deleteTemplate(int templateId)
{
    if (!gDatabase.beginTransaction())
        return false;
    QStringList roomIds;
    queryIntStringList(QString::asprintf("select room_id from tbl_room where room_template_id=%d", templateId),
                       "room_id", roomIds);
    bool ok = true;
    for (const QString &roomId : qAsConst(roomIds))
        ok = ok && deleteRoom(roomId.toInt());
    ok = ok &&
         gDatabase.execSql(QString::asprintf("delete from tbl_template_light where room_template_id=%d", templateId)) &&
         gDatabase.execSql(QString::asprintf("delete from tbl_template_panel where room_template_id=%d", templateId)) &&
         gDatabase.execSql(QString::asprintf("delete from tbl_room_template where room_template_id=%d", templateId));
    if (!ok) {
        gDatabase.rollbackTransaction();
        return false;
    }
    // The picture goes whether or not the template showed it, and only once its rooms and rows are gone for good.
    gDatabase.afterCommit(
        [templateId] { deleteProjectPicture(PictureChoice::projectPictureName("Template", templateId)); });
    return gDatabase.commitTransaction();
}
