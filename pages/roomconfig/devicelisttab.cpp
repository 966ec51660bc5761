#include "pages/roomconfig/devicelisttab.h"

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "shell/manageritem.h"
#include "shell/pageids.h"
#include "shell/tilegrid.h"

#include <QCoreApplication>

DeviceListTab::DeviceListTab(const DeviceListKind &kind, QWidget *parent) : MyDialog(parent), m_kind(kind)
{
    groupBox = addTileCanvas(this);
    m_grid = new TileGrid(groupBox, 192, 192, this);
}

void DeviceListTab::refreshList(int ownerId)
{
    m_ownerId = ownerId;
    m_grid->begin(gScreenWidth);
    for (const DeviceListEntry &entry : listDevices(ownerId)) {
        ManagerItem *tile = m_grid->addItemTile(m_kind.tileKind, entry.id, entry.name, entry.picture, true);
        connect(tile, &ManagerItem::signalsEdit, this, &DeviceListTab::slotsEdit);
        connect(tile, &ManagerItem::signalsDelete, this, &DeviceListTab::slotsDelete);
    }
    connect(m_grid->addAddTile(), &ManagerItem::signalsEdit, this, &DeviceListTab::slotsEdit);
    m_grid->finish();
}

int DeviceListTab::countDevices(int ownerId)
{
    return listDevices(ownerId).size();
}

void DeviceListTab::slotsEdit(int type, int id)
{
    int deviceId = id;
    if (type == AddTile) {
        if (m_kind.limit > 0) {
            if (countDevices(m_ownerId) >= m_kind.limit) {
                emit gBroadcastSocket.signalsInformation(tr("Beyond the limit!"));
                return;
            }
        }
        deviceId = m_kind.nextId(m_ownerId);
    } else if (type != m_kind.tileKind) {
        return;
    }
    emit gBroadcastSocket.signalsPageIdChanged(trPageId(m_kind.pageId),
                                               QCoreApplication::translate("DeviceListTab", m_kind.pageName),
                                               QString::asprintf("%d", deviceId), QString::asprintf("%d", m_ownerId));
}

void DeviceListTab::slotsDelete(int type, int id)
{
    if (type != m_kind.tileKind)
        return;
    bool shown = false;
    for (QWidget *tile : m_grid->tiles()) {
        auto *item = qobject_cast<ManagerItem *>(tile);
        if (item && item->type() == m_kind.tileKind && item->id() == id) {
            shown = true;
            break;
        }
    }
    if (!shown)
        return;

    // A device goes whole or not at all: a light with its placement, a panel with its message history.
    const bool ok = removeDevice(id, m_ownerId);

    refreshList(m_ownerId);
    if (!ok)
        emit gBroadcastSocket.signalsInformation(tr("Delete failed!"));
    if (ok && m_kind.afterDelete)
        m_kind.afterDelete(id);
}
