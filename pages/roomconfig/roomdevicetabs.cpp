#include "pages/roomconfig/roomdevicetabs.h"

#include "core/devicestore.h"
#include "core/globals.h"
#include "core/recordid.h"
#include "devicelink/broadcastsocket.h"
#include "shell/manageritem.h"

#include <QCoreApplication>

// The mood snapshots of a deleted light or air conditioner stay: a mood keeps what it was saved with.

const DeviceListKind &PageSettingRoomManagerLighting::kind()
{
    static const DeviceListKind row{
        nullptr,
        "light_remark",
        "icon_name_of_light_on",
        "light_id",
        LightTile,
        QT_TRANSLATE_NOOP("DeviceListTab", "Light Information"),
        QT_TRANSLATE_NOOP("DeviceListTab", "Light Information"),
        [](int) { return nextLightId(); },
        nullptr,
        0,
        {},
        {},
        queryRoomLights,
        [](int roomId, int lightId, QString *error) { return deleteLight(roomId, lightId, error); }};
    return row;
}

PageSettingRoomManagerLighting::PageSettingRoomManagerLighting(QWidget *parent) : DeviceListTab(kind(), parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSettingRoomManagerLighting");
}

const DeviceListKind &PageSettingRoomManagerAC::kind()
{
    static const DeviceListKind row{
        "select * from tbl_air_conditioner where room_id=%d and air_conditioner_no<=1 order by air_conditioner_no asc",
        "remark",
        nullptr,
        "air_conditioner_no",
        AirConditionerTile,
        QT_TRANSLATE_NOOP("DeviceListTab", "AC Information"),
        QT_TRANSLATE_NOOP("DeviceListTab", "AC Information"),
        [](int roomId) { return nextAirConditionerNo(roomId); },
        "select air_conditioner_no from tbl_air_conditioner where room_id=%d and air_conditioner_no<=1",
        2,
        {"delete from tbl_air_conditioner where air_conditioner_no=%d and room_id=%d",
         "delete from tbl_3d_air_conditioner where air_conditioner_no=%d and room_id=%d"},
        {}};
    return row;
}

PageSettingRoomManagerAC::PageSettingRoomManagerAC(QWidget *parent) : DeviceListTab(kind(), parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSettingRoomManagerAC");
}

const DeviceListKind &PageSettingRoomManagerFloorHeat::kind()
{
    static const DeviceListKind row{
        "select * from tbl_air_conditioner where room_id=%d and air_conditioner_no>1 order by air_conditioner_no asc",
        "remark",
        nullptr,
        "air_conditioner_no",
        FloorHeatTile,
        QT_TRANSLATE_NOOP("DeviceListTab", "Floor Heat Information"),
        QT_TRANSLATE_NOOP("DeviceListTab", "Floor Heat Information"),
        [](int roomId) { return nextExtraAirConditionerNo(roomId); },
        "select air_conditioner_no from tbl_air_conditioner where room_id=%d and air_conditioner_no>1",
        2,
        {"delete from tbl_air_conditioner where air_conditioner_no=%d and room_id=%d",
         "delete from tbl_3d_air_conditioner where air_conditioner_no=%d and room_id=%d"},
        {}};
    return row;
}

PageSettingRoomManagerFloorHeat::PageSettingRoomManagerFloorHeat(QWidget *parent) : DeviceListTab(kind(), parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSettingRoomManagerFloorHeat");
}

const DeviceListKind &PageSettingRoomManagerPanel::kind()
{
    static const DeviceListKind row{
        nullptr,
        "panel_remark",
        nullptr,
        "panel_id",
        PanelTile,
        QT_TRANSLATE_NOOP("DeviceListTab", "Panel Information"),
        QT_TRANSLATE_NOOP("DeviceListTab", "Panel Information"),
        [](int) { return nextPanelId(); },
        nullptr,
        0,
        {},
        [](int panelId) { emit gBroadcastSocket.signalsRemoveMessage(panelId, 2); },
        queryRoomPanels,
        [](int roomId, int panelId, QString *error) { return deletePanel(roomId, panelId, error); }};
    return row;
}

PageSettingRoomManagerPanel::PageSettingRoomManagerPanel(QWidget *parent) : DeviceListTab(kind(), parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSettingRoomManagerPanel");
}
