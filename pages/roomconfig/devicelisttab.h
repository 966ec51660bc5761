#pragma once
// The device tabs of the room and template editors: the devices of one room or room template as a grid of
// tiles with an add tile. A press opens the device's editor page (for the add tile with a fresh id); a delete
// button removes the device at once, unasked.
//
// A tab is a subclass that passes its DeviceListKind row and reads and removes its devices through the storage
// module of their kind:
//     PageSettingRoomTemplatePanel::PageSettingRoomTemplatePanel(QWidget *parent) : DeviceListTab(row, parent)
// with listDevices and removeDevice (and countDevices where its row sets a limit) overridden.

#include "shell/mydialog.h"

#include <QStringList>
#include <QVector>

#include <functional>

class QtMaterialGroupBox;
class TileGrid;

struct DeviceListKind
{
    int tileKind;
    // The editor page: its id (a PageId constant) and its shown name (translated in the context "DeviceListTab").
    const char *pageId;
    const char *pageName;
    // The id of a new device of the owner.
    std::function<int(int ownerId)> nextId;
    // How many devices an owner may have (counted by countDevices); 0 means no limit.
    int limit = 0;
    // Called with the device id after a delete committed and the grid was rebuilt; may be empty.
    std::function<void(int deviceId)> afterDelete = {};
};

// One device tile: its id, name and picture (empty for the picture of its kind).
struct DeviceListEntry
{
    int id = 0;
    QString name;
    QString picture;
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

protected:
    // The owner's devices in tile order.
    virtual QVector<DeviceListEntry> listDevices(int ownerId) = 0;
    // Removes the device with what goes with it, whole or not at all; false when nothing was removed.
    virtual bool removeDevice(int deviceId, int ownerId) = 0;
    // How many of the owner's devices count towards the limit; by default those listed.
    virtual int countDevices(int ownerId);

private slots:
    void slotsEdit(int type, int id);
    void slotsDelete(int type, int id);

private:
    const DeviceListKind &m_kind;
    int m_ownerId = 0;
    QtMaterialGroupBox *groupBox = nullptr;
    TileGrid *m_grid = nullptr;
};
