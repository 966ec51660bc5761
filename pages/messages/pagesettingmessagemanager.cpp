#include "pages/messages/pagesettingmessagemanager.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/recordid.h"
#include "devicelink/broadcastsocket.h"
#include "shell/manageritem.h"
#include "shell/pageids.h"
#include "shell/tilegrid.h"

#include <QSqlQuery>

PageSettingMessageManager::PageSettingMessageManager(const QString &id, const QString &name, QWidget *parent)
    : MyDialog(id, name, parent)
{
    setObjectName("PageSettingMessageManager");
    groupBox = addTileCanvas(this);
    m_grid = new TileGrid(groupBox, 192, 192, this);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this, &PageSettingMessageManager::slotsPageEnter);
}

void PageSettingMessageManager::slotsPageEnter()
{
    if (isVisible())
        loadMessages();
}

void PageSettingMessageManager::loadMessages()
{
    m_grid->begin(gScreenWidth);
    QSqlQuery query = gDatabase.querySql("select * from tbl_message order by message_id asc");
    while (query.next()) {
        ManagerItem *tile =
            m_grid->addItemTile(MessageTile, query.value("message_id").toInt(),
                                query.value("message_remark").toString(), query.value("icon_name").toString(), true);
        connect(tile, &ManagerItem::signalsEdit, this, &PageSettingMessageManager::slotsEdit);
        connect(tile, &ManagerItem::signalsDelete, this, &PageSettingMessageManager::slotsDelete);
    }
    query.finish();
    connect(m_grid->addAddTile(), &ManagerItem::signalsEdit, this, &PageSettingMessageManager::slotsEdit);
    m_grid->finish();
}

void PageSettingMessageManager::slotsEdit(int type, int id)
{
    QString messageId;
    if (type == AddTile)
        messageId = QString::number(nextMessageId());
    else if (type == MessageTile)
        messageId = QString::number(id);
    else
        return;
    emit gBroadcastSocket.signalsPageIdChanged(trPageId(PageId::MessageInformation),
                                               trPageId(PageId::MessageInformation), messageId, QString());
}

void PageSettingMessageManager::slotsDelete(int type, int id)
{
    if (type != MessageTile)
        return;
    bool shown = false;
    for (QWidget *widget : m_grid->tiles()) {
        auto *tile = qobject_cast<ManagerItem *>(widget);
        if (tile && tile->type() == MessageTile && tile->id() == id)
            shown = true;
    }
    if (!shown)
        return;

    // The definition and its occurrences go together or not at all.
    bool ok = gDatabase.beginTransaction();
    if (ok) {
        ok = gDatabase.execSql("delete from tbl_message where message_id=?", {id}) &&
             gDatabase.execSql("delete from tbl_message_log where message_id=?", {id});
        // A failed commit rolls back by itself.
        if (ok)
            ok = gDatabase.commitTransaction();
        else
            gDatabase.rollbackTransaction();
    }
    if (!ok) {
        emit gBroadcastSocket.signalsInformation(tr("The message could not be saved!"));
        return;
    }
    loadMessages();
    emit gBroadcastSocket.signalsRemoveMessage(id, 3);
}
