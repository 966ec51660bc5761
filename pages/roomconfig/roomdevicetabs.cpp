#include "pages/roomconfig/roomdevicetabs.h"

#include "core/globals.h"
#include "core/messagestore.h"
#include "core/placementstore.h"
#include "core/recordid.h"
#include "devicelink/broadcastsocket.h"
#include "shell/manageritem.h"
#include "shell/pageids.h"

#include <QCoreApplication>

// The mood snapshots of a deleted light or air conditioner stay: a mood keeps what it was saved with.

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
    static const DeviceListKind row{
        "select * from tbl_air_conditioner where room_id=%d and air_conditioner_no<=1 order by air_conditioner_no asc",
        "remark",
        nullptr,
        "air_conditioner_no",
        AirConditionerTile,
        PageId::ACInformation,
        QT_TRANSLATE_NOOP("DeviceListTab", "AC Information"),
        [](int roomId) { return nextAirConditionerNo(roomId); },
        "select air_conditioner_no from tbl_air_conditioner where room_id=%d and air_conditioner_no<=1",
        2,
        {"delete from tbl_air_conditioner where air_conditioner_no=%d and room_id=%d"},
        {},
        deleteClimatePosition};
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
        PageId::FloorHeatInformation,
        QT_TRANSLATE_NOOP("DeviceListTab", "Floor Heat Information"),
        [](int roomId) { return nextExtraAirConditionerNo(roomId); },
        "select air_conditioner_no from tbl_air_conditioner where room_id=%d and air_conditioner_no>1",
        2,
        {"delete from tbl_air_conditioner where air_conditioner_no=%d and room_id=%d"},
        {},
        deleteClimatePosition};
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
