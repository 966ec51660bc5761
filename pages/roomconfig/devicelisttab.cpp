#include "pages/roomconfig/devicelisttab.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/queryhelpers.h"
#include "core/sqltransaction.h"
#include "devicelink/broadcastsocket.h"
#include "shell/manageritem.h"
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

    if (m_kind.rows) {
        QSqlQuery query = m_kind.rows(ownerId);
        while (query.next()) {
            ManagerItem *tile = m_grid->addItemTile(
                m_kind.tileKind, queryColumnInt(query, m_kind.idColumn), queryColumnText(query, m_kind.nameColumn),
                m_kind.pictureColumn ? queryColumnText(query, m_kind.pictureColumn) : QString(), true);
            connect(tile, &ManagerItem::signalsEdit, this, &DeviceListTab::slotsEdit);
            connect(tile, &ManagerItem::signalsDelete, this, &DeviceListTab::slotsDelete);
        }
    }
    const QString sql = m_kind.listSql ? QString::asprintf(m_kind.listSql, ownerId) : QString();
    if (!sql.isEmpty() && queryHasRecord(sql)) {
        QStringList names;
        QStringList pictures;
        QStringList ids;
        queryStringList(sql, m_kind.nameColumn, names);
        if (m_kind.pictureColumn)
            queryStringList(sql, m_kind.pictureColumn, pictures);
        queryIntStringList(sql, m_kind.idColumn, ids);
        for (int i = 0; i < names.size() && i < ids.size() && (!m_kind.pictureColumn || i < pictures.size()); ++i) {
            ManagerItem *tile = m_grid->addItemTile(m_kind.tileKind, ids.at(i).toInt(), names.at(i),
                                                    m_kind.pictureColumn ? pictures.at(i) : QString(), true);
            connect(tile, &ManagerItem::signalsEdit, this, &DeviceListTab::slotsEdit);
            connect(tile, &ManagerItem::signalsDelete, this, &DeviceListTab::slotsDelete);
        }
    }
    connect(m_grid->addAddTile(), &ManagerItem::signalsEdit, this, &DeviceListTab::slotsEdit);
    m_grid->finish();
}

void DeviceListTab::slotsEdit(int type, int id)
{
    int deviceId = id;
    if (type == AddTile) {
        if (m_kind.limit > 0) {
            QStringList counted;
            queryIntStringList(QString::asprintf(m_kind.limitSql, m_ownerId), m_kind.idColumn, counted);
            if (counted.size() >= m_kind.limit) {
                emit gBroadcastSocket.signalsInformation(tr("Beyond the limit!"));
                return;
            }
        }
        deviceId = m_kind.nextId(m_ownerId);
    } else if (type != m_kind.tileKind) {
        return;
    }
    emit gBroadcastSocket.signalsPageIdChanged(QCoreApplication::translate("DeviceListTab", m_kind.pageId),
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
    bool ok = false;
    if (m_kind.remove) {
        ok = m_kind.remove(m_ownerId, id, nullptr);
    } else {
        SqlTransaction transaction;
        ok = transaction.isOpen();
        for (const QString &statement : m_kind.deleteSql)
            ok = ok && gDatabase.execSql(QString::asprintf(statement.toUtf8().constData(), id, m_ownerId));
        ok = ok && transaction.commit();
    }

    refreshList(m_ownerId);
    if (!ok)
        emit gBroadcastSocket.signalsInformation(tr("Delete failed!"));
    if (ok && m_kind.afterDelete)
        m_kind.afterDelete(id);
}
