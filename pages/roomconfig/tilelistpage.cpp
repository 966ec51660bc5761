#include "pages/roomconfig/tilelistpage.h"

#include "core/globals.h"
#include "core/roomdeletion.h"
#include "core/templatestore.h"
#include "devicelink/broadcastsocket.h"
#include "pages/roomconfig/roomadddlg.h"
#include "pages/roomconfig/roomtemplateadddlg.h"
#include "shell/manageritem.h"
#include "shell/orvmessagebox.h"
#include "shell/pageids.h"
#include "shell/tilegrid.h"

struct TileListKind
{
    const char *objectName;
    int tileKind;
    // The editor page a tile opens (a PageId constant).
    const char *editPageId;
    // The question before a delete, with %s for the row's name.
    const char *deleteQuestion;
    // The rows in tile order.
    QVector<DeviceListEntry> (*list)();
    // Runs the add dialog; true when a row was added.
    bool (*add)();
    std::optional<DeviceListEntry> (*read)(int id);
    // Removes the row with all that belongs to it, whole or not at all.
    bool (*remove)(int id);
};

namespace {

bool addRooms()
{
    if (!hasRoomTemplate()) {
        emit gBroadcastSocket.signalsInformation(TileListPage::tr("Please add room template!"));
        return false;
    }
    RoomAddDlg dialog(nullptr);
    return dialog.exec() == QDialog::Accepted;
}

bool addRoomTemplates()
{
    RoomTemplateAddDlg dialog(nullptr);
    return dialog.exec() == QDialog::Accepted;
}

// The template goes with its rooms, lights and panels; the page has no use for the reason of a failure.
bool removeRoomTemplate(int templateId)
{
    return deleteRoomTemplate(templateId);
}

// In the order of RoomConfigKind.
const TileListKind kinds[] = {
    {"PageSettingRoomManager", RoomTile, PageId::EditRoom,
     "Are you sure to delete room %s and all the information associated with it?", roomEntries, addRooms, readRoomEntry,
     deleteRoom},
    {"PageSettingRoomTemplate", RoomTemplateTile, PageId::EditTemplate,
     "Are you sure to delete template %s and all the information associated with it?", roomTemplateEntries,
     addRoomTemplates, readRoomTemplateEntry, removeRoomTemplate},
};

} // namespace

TileListPage::TileListPage(const QString &id, const QString &name, RoomConfigKind kind, QWidget *parent)
    : MyDialog(id, name, parent), m_kind(kinds[int(kind)])
{
    if (objectName().isEmpty())
        setObjectName(m_kind.objectName);
    groupBox = addTileCanvas(this);
    m_grid = new TileGrid(groupBox, 300, 160, this);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this, &TileListPage::slotsPageEnter);
}

void TileListPage::slotsPageEnter()
{
    if (isVisible())
        refreshList();
}

void TileListPage::refreshList()
{
    m_grid->begin(gScreenWidth);
    for (const DeviceListEntry &entry : m_kind.list()) {
        ManagerItem *tile = m_grid->addItemTile(m_kind.tileKind, entry.id, entry.name, entry.picture, true);
        connect(tile, &ManagerItem::signalsEdit, this, &TileListPage::slotsEdit);
        connect(tile, &ManagerItem::signalsDelete, this, &TileListPage::slotsDelete);
    }
    connect(m_grid->addAddTile(), &ManagerItem::signalsEdit, this, &TileListPage::slotsEdit);
    m_grid->finish();
}

void TileListPage::slotsEdit(int type, int id)
{
    if (type == AddTile) {
        if (m_kind.add())
            refreshList();
    } else if (type == m_kind.tileKind) {
        emit gBroadcastSocket.signalsPageIdChanged(trPageId(m_kind.editPageId), trPageId(m_kind.editPageId),
                                                   QString::asprintf("%d", id), tr("1"));
    }
}

void TileListPage::slotsDelete(int type, int id)
{
    if (type != m_kind.tileKind)
        return;
    const std::optional<DeviceListEntry> row = m_kind.read(id);
    if (!row)
        return;
    ORVMessageBox box(QString::asprintf(m_kind.deleteQuestion, row->name.toUtf8().constData()), 500, 160, false, 2,
                      nullptr);
    if (box.exec() != QDialog::Accepted)
        return;
    // The row goes whole or not at all.
    if (!m_kind.remove(id))
        emit gBroadcastSocket.signalsInformation(tr("Delete failed!"));
    refreshList();
}
