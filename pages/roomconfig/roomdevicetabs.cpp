#include "pages/roomconfig/roomdevicetabs.h"

#include "core/climatestore.h"
#include "core/globals.h"
#include "core/messagestore.h"
#include "core/placementstore.h"
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

// The device's row, then what the tab's row removes with it (its placement), as one transaction.
bool removeClimateDevice(int number, int roomId, const std::function<bool(int number, int roomId)> &withIt)
{
    SqlTransaction transaction;
    return transaction.isOpen() && deleteClimateDevice(roomId, number) && withIt(number, roomId) &&
           transaction.commit();
}

} // namespace

const DeviceListKind &PageSettingRoomManagerLighting::kind()
{
    static const DeviceListKind row{
        "select * from tbl_light where room_id=%d and (rgb=0 or rgb=1) order by light_id asc",
        "light_remark",
        "icon_name_of_light_on",
        "light_id",
        LightTile,
        PageId::LightInformation,
        QT_TRANSLATE_NOOP("DeviceListTab", "Light Information"),
        [](int) { return nextLightId(); },
        nullptr,
        0,
        {"delete from tbl_light where light_id=%d and room_id=%d"},
        {},
        deleteLightPosition};
    return row;
}

PageSettingRoomManagerLighting::PageSettingRoomManagerLighting(QWidget *parent) : DeviceListTab(kind(), parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSettingRoomManagerLighting");
}

const DeviceListKind &PageSettingRoomManagerAC::kind()
{
    static const DeviceListKind row{nullptr,
                                    nullptr,
                                    nullptr,
                                    nullptr,
                                    AirConditionerTile,
                                    PageId::ACInformation,
                                    QT_TRANSLATE_NOOP("DeviceListTab", "AC Information"),
                                    [](int roomId) { return nextAirConditionerNo(roomId); },
                                    nullptr,
                                    2,
                                    {},
                                    {},
                                    deleteClimatePosition};
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
    return removeClimateDevice(number, roomId, [this](int n, int r) { return DeviceListTab::removeDevice(n, r); });
}

int PageSettingRoomManagerAC::countDevices(int roomId)
{
    return countClimateDevices(roomId, ClimateKind::AirConditioners);
}

const DeviceListKind &PageSettingRoomManagerFloorHeat::kind()
{
    static const DeviceListKind row{nullptr,
                                    nullptr,
                                    nullptr,
                                    nullptr,
                                    FloorHeatTile,
                                    PageId::FloorHeatInformation,
                                    QT_TRANSLATE_NOOP("DeviceListTab", "Floor Heat Information"),
                                    [](int roomId) { return nextExtraAirConditionerNo(roomId); },
                                    nullptr,
                                    2,
                                    {},
                                    {},
                                    deleteClimatePosition};
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
    return removeClimateDevice(number, roomId, [this](int n, int r) { return DeviceListTab::removeDevice(n, r); });
}

int PageSettingRoomManagerFloorHeat::countDevices(int roomId)
{
    return countClimateDevices(roomId, ClimateKind::FloorHeatings);
}

const DeviceListKind &PageSettingRoomManagerPanel::kind()
{
    static const DeviceListKind row{
        "select * from tbl_panel where room_id=%d order by panel_id asc",
        "panel_remark",
        nullptr,
        "panel_id",
        PanelTile,
        PageId::PanelInformation,
        QT_TRANSLATE_NOOP("DeviceListTab", "Panel Information"),
        [](int) { return nextPanelId(); },
        nullptr,
        0,
        {"delete from tbl_panel where panel_id=%d and room_id=%d"},
        [](int panelId) { emit gBroadcastSocket.signalsRemoveMessage(panelId, 2); },
        // The panel's message history goes with it.
        [](int panelId, int, QString *error) { return deleteMessageLogOfPanel(panelId, error); }};
    return row;
}

PageSettingRoomManagerPanel::PageSettingRoomManagerPanel(QWidget *parent) : DeviceListTab(kind(), parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSettingRoomManagerPanel");
}
