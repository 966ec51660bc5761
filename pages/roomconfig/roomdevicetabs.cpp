#include "pages/roomconfig/roomdevicetabs.h"

#include "core/climatestore.h"
#include "core/devicestore.h"
#include "core/globals.h"
#include "core/placementstore.h"
#include "core/queryhelpers.h"
#include "core/recordid.h"
#include "core/sqltransaction.h"
#include "devicelink/broadcastsocket.h"
#include "shell/manageritem.h"
#include "shell/pageids.h"

#include <QCoreApplication>

// The mood snapshots of a deleted light or air conditioner stay: a mood keeps what it was saved with.

namespace {

// The air conditioners or floor heatings of a room as their tab lists them: by number, under their remark.
QVector<DeviceListEntry> climateEntries(int roomId, ClimateKind kind)
{
    QVector<DeviceListEntry> entries;
    for (const ClimateRow &row : listClimateDevices(roomId, kind))
        entries.append({row.number, row.remark, QString()});
    return entries;
}

// The device's row with its placement, as one transaction.
bool removeClimateDevice(int number, int roomId)
{
    SqlTransaction transaction;
    return transaction.isOpen() && deleteClimateDevice(roomId, number) && deleteClimatePosition(number, roomId) &&
           transaction.commit();
}

} // namespace

const DeviceListKind &PageSettingRoomManagerLighting::kind()
{
    static const DeviceListKind row{LightTile, PageId::LightInformation,
                                    QT_TRANSLATE_NOOP("DeviceListTab", "Light Information"),
                                    [](int) { return nextLightId(); }, 0};
    return row;
}

QVector<DeviceListEntry> PageSettingRoomManagerLighting::listDevices(int roomId)
{
    QVector<DeviceListEntry> entries;
    QSqlQuery lights = queryRoomLights(roomId);
    while (lights.next())
        entries.append({queryColumnInt(lights, "light_id"), queryColumnText(lights, "light_remark"),
                        queryColumnText(lights, "icon_name_of_light_on")});
    return entries;
}

bool PageSettingRoomManagerLighting::removeDevice(int deviceId, int roomId)
{
    // A light goes whole or not at all: its rows with its placement.
    SqlTransaction transaction;
    return transaction.isOpen() && deleteLight(roomId, deviceId) && deleteLightPosition(deviceId, roomId) &&
           transaction.commit();
}

PageSettingRoomManagerLighting::PageSettingRoomManagerLighting(QWidget *parent) : DeviceListTab(kind(), parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSettingRoomManagerLighting");
}

const DeviceListKind &PageSettingRoomManagerAC::kind()
{
    static const DeviceListKind row{AirConditionerTile, PageId::ACInformation,
                                    QT_TRANSLATE_NOOP("DeviceListTab", "AC Information"),
                                    [](int roomId) { return nextAirConditionerNo(roomId); }, 2};
    return row;
}

PageSettingRoomManagerAC::PageSettingRoomManagerAC(QWidget *parent) : DeviceListTab(kind(), parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSettingRoomManagerAC");
}

QVector<DeviceListEntry> PageSettingRoomManagerAC::listDevices(int roomId)
{
    return climateEntries(roomId, ClimateKind::AirConditioners);
}

bool PageSettingRoomManagerAC::removeDevice(int number, int roomId)
{
    return removeClimateDevice(number, roomId);
}

int PageSettingRoomManagerAC::countDevices(int roomId)
{
    return countClimateDevices(roomId, ClimateKind::AirConditioners);
}

const DeviceListKind &PageSettingRoomManagerFloorHeat::kind()
{
    static const DeviceListKind row{FloorHeatTile, PageId::FloorHeatInformation,
                                    QT_TRANSLATE_NOOP("DeviceListTab", "Floor Heat Information"),
                                    [](int roomId) { return nextExtraAirConditionerNo(roomId); }, 2};
    return row;
}

PageSettingRoomManagerFloorHeat::PageSettingRoomManagerFloorHeat(QWidget *parent) : DeviceListTab(kind(), parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSettingRoomManagerFloorHeat");
}

QVector<DeviceListEntry> PageSettingRoomManagerFloorHeat::listDevices(int roomId)
{
    return climateEntries(roomId, ClimateKind::FloorHeatings);
}

bool PageSettingRoomManagerFloorHeat::removeDevice(int number, int roomId)
{
    return removeClimateDevice(number, roomId);
}

int PageSettingRoomManagerFloorHeat::countDevices(int roomId)
{
    return countClimateDevices(roomId, ClimateKind::FloorHeatings);
}

const DeviceListKind &PageSettingRoomManagerPanel::kind()
{
    static const DeviceListKind row{PanelTile,
                                    PageId::PanelInformation,
                                    QT_TRANSLATE_NOOP("DeviceListTab", "Panel Information"),
                                    [](int) { return nextPanelId(); },
                                    0,
                                    [](int panelId) { emit gBroadcastSocket.signalsRemoveMessage(panelId, 2); }};
    return row;
}

QVector<DeviceListEntry> PageSettingRoomManagerPanel::listDevices(int roomId)
{
    QVector<DeviceListEntry> entries;
    QSqlQuery panels = queryRoomPanels(roomId);
    while (panels.next())
        entries.append({queryColumnInt(panels, "panel_id"), queryColumnText(panels, "panel_remark"), QString()});
    return entries;
}

bool PageSettingRoomManagerPanel::removeDevice(int deviceId, int roomId)
{
    return deletePanel(roomId, deviceId);
}

PageSettingRoomManagerPanel::PageSettingRoomManagerPanel(QWidget *parent) : DeviceListTab(kind(), parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSettingRoomManagerPanel");
}
