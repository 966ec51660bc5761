#pragma once
// The device tabs of the room and template editors: the devices of one room or room template as a grid of
// tiles with an add tile. A press opens the device's editor page (for the add tile with a fresh id); a delete
// button removes the device at once, unasked.
//
// The tabs differ only in one DeviceListKind row; a new tab is a subclass that passes its row:
//     PageSettingRoomTemplatePanel::PageSettingRoomTemplatePanel(QWidget *parent) : DeviceListTab(row, parent)
// In every SQL text of a row "%d" stands for the owner id (listing, limit) or for the device id followed by the
// owner id (deletes).

#include "shell/mydialog.h"

#include <QList>
#include <QStringList>

#include <functional>

class QtMaterialGroupBox;
class TileGrid;

// One device of a tab's list: its id, name and picture (empty: the picture of its kind).
struct DeviceListEntry
{
    int id = 0;
    QString name;
    QString picture;
};

struct DeviceListKind
{
    const char *listSql;
    const char *nameColumn;
    // nullptr: the tiles take the picture of their kind.
    const char *pictureColumn;
    const char *idColumn;
    int tileKind;
    // The editor page: id and shown name (translated in the context "DeviceListTab").
    const char *pageId;
    const char *pageName;
    // The id of a new device of the owner.
    std::function<int(int ownerId)> nextId;
    // Rows of the owner that count towards the limit, and the limit itself; limit 0 means none.
    const char *limitSql;
    int limit;
    // Run in order, as one transaction, for a deleted device.
    QStringList deleteSql;
    // Called with the device id after a delete committed and the grid was rebuilt; may be empty.
    std::function<void(int deviceId)> afterDelete;
    // Kinds whose statements live in a store module set these instead of the texts above: the owner's devices
    // (instead of listSql), how many count towards the limit (instead of limitSql), and the first step of a delete,
    // run in the same transaction before deleteSql.
    std::function<QList<DeviceListEntry>(int ownerId)> list = nullptr;
    std::function<int(int ownerId)> count = nullptr;
    std::function<bool(int deviceId, int ownerId)> remove = nullptr;
};

class DeviceListTab : public MyDialog
{
    Q_OBJECT

public:
    DeviceListTab(const DeviceListKind &kind, QWidget *parent);

    // Shows the devices of ownerId (a room id or a room template id).
    void refreshList(int ownerId);
    int ownerId() const { return m_ownerId; }
    TileGrid *grid() const { return m_grid; }

private slots:
    void slotsEdit(int type, int id);
    void slotsDelete(int type, int id);

private:
    const DeviceListKind &m_kind;
    int m_ownerId = 0;
    QtMaterialGroupBox *groupBox = nullptr;
    TileGrid *m_grid = nullptr;
};
