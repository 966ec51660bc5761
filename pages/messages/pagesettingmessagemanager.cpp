#include "pages/messages/pagesettingmessagemanager.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/messagestore.h"
#include "core/recordid.h"
#include "devicelink/broadcastsocket.h"
#include "shell/manageritem.h"
#include "shell/pageids.h"
#include "shell/tilegrid.h"

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
    for (const MessageDefinition &definition : messageDefinitions()) {
        ManagerItem *tile =
            m_grid->addItemTile(MessageTile, definition.messageId, definition.remark, definition.iconName, true);
        connect(tile, &ManagerItem::signalsEdit, this, &PageSettingMessageManager::slotsEdit);
        connect(tile, &ManagerItem::signalsDelete, this, &PageSettingMessageManager::slotsDelete);
    }
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
    if (!deleteMessageDefinition(id)) {
        emit gBroadcastSocket.signalsInformation(tr("The message could not be saved!"));
        return;
    }
    loadMessages();
    emit gBroadcastSocket.signalsRemoveMessage(id, 3);
}
