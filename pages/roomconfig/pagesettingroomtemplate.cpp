#include "pages/roomconfig/pagesettingroomtemplate.h"

#include "core/globals.h"
#include "core/templatestore.h"
#include "devicelink/broadcastsocket.h"
#include "pages/roomconfig/roomtemplateadddlg.h"
#include "shell/manageritem.h"
#include "shell/orvmessagebox.h"
#include "shell/pageids.h"
#include "shell/tilegrid.h"

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
    for (const RoomTemplateRow &row : roomTemplates()) {
        ManagerItem *tile = m_grid->addItemTile(RoomTemplateTile, row.templateId, row.name, row.iconName, true);
        connect(tile, &ManagerItem::signalsEdit, this, &PageSettingRoomTemplate::slotsEdit);
        connect(tile, &ManagerItem::signalsDelete, this, &PageSettingRoomTemplate::slotsDelete);
    }
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
    RoomTemplateRow row;
    if (!readRoomTemplate(id, row))
        return;
    const QString name = row.name;
    ORVMessageBox box(
        QString::asprintf("Are you sure to delete template %s and all the information associated with it?",
                          name.toUtf8().constData()),
        500, 160, false, 2, nullptr);
    if (box.exec() != QDialog::Accepted)
        return;
    // The template, its rooms, lights and panels go as one transaction, or nothing of them does.
    if (!deleteRoomTemplate(id))
        emit gBroadcastSocket.signalsInformation(tr("Delete failed!"));
    refreshTemplateList();
}
