#pragma once
// The station's page table as a user's navigation meets it: for each of the 33 page ids, in table order, the
// class that must show it and the name and parameters its requesters send (for the ids of a fixture project
// with one room, its devices, a mood, a template and a message definition).

#include <QString>
#include <QVector>

namespace stationpages {

// The ids of the records the walk's parameters name.
struct FixtureIds
{
    int roomId = 1;
    QString roomName; // "region-floor-room"
    int lightId = 1;
    int airConditionerNo = 0;
    int floorHeatNo = 2;
    int panelId = 1;
    int moodId = 1;
    int templateId = 1;
    int templateLightId = 1;
    int templatePanelId = 1;
    int messageId = 1;
    QString projectName = QStringLiteral("Home");
};

struct PageRequest
{
    QString id;
    const char *className;
    QString name;
    QString prm1;
    QString prm2;
};

inline QVector<PageRequest> table(const FixtureIds &f = FixtureIds())
{
    const QString room = QString::number(f.roomId);
    return {
        {"Home", "PageHome", "Home", "", ""},
        {"Message", "PageMessage", "Message", "", ""},
        {"Log", "PageLog", "Log", "", ""},
        {"Setting", "PageSetting", "Setting", "", ""},
        {"Rooms", "PageRooms", "Rooms", "", ""},
        {"3D View", "Page3DView", "3D View", "", ""},
        {"Operate Room", "PageRoomOperate", f.roomName, room, "1"},
        {"Operate Room 3D View", "PageRoomOperate3DView", f.roomName, room, ""},
        {"Project Setting", "PageSettingProject", "Project Setting", "", ""},
        {"Project Information", "PageSettingProjectInformation", "Project Information", f.projectName, ""},
        {"Room Template", "PageSettingRoomTemplate", "Room Template", "", ""},
        {"Edit Template", "PageSettingRoomTemplateEdit", "Edit Template", QString::number(f.templateId), "1"},
        {"Template Light Information", "PageSettingRoomTemplateLightingInformation", "Light Information",
         QString::number(f.templateLightId), QString::number(f.templateId)},
        {"Template Panel Information", "PageSettingRoomTemplatePanelInformation", "Panel Information",
         QString::number(f.templatePanelId), QString::number(f.templateId)},
        {"Rooms Manager", "PageSettingRoomManager", "Rooms Manager", "", ""},
        {"Edit Room", "PageSettingRoomManagerEdit", "Edit Room", room, "1"},
        {"Message Manager", "PageSettingMessageManager", "Message Manager", "", ""},
        {"Message Information", "PageSettingMessageManagerMessageInformation", "Message Information",
         QString::number(f.messageId), ""},
        {"Change Device Address", "PageSettingChangeDeviceAddress", "Change Device Address", "", ""},
        {"Network Setting", "PageSettingNetwork", "Network Setting", "", ""},
        {"3D View Manager", "PageSetting3DViewManager", "3D View Manager", "", ""},
        {"3D View Setting", "PageSetting3DViewManagerEdit", "3D View Setting", room, ""},
        {"About", "PageSettingAbout", "About", "", ""},
        {"Light Information", "PageSettingRoomManagerLightingInformation", "Light Information",
         QString::number(f.lightId), room},
        {"AC Information", "PageSettingRoomManagerACInformation", "AC Information", QString::number(f.airConditionerNo),
         room},
        {"Floor Heat Information", "PageSettingRoomManagerFloorHeatInformation", "Floor Heat Information",
         QString::number(f.floorHeatNo), room},
        {"Moods Information", "PageSettingRoomManagerMoodsInformation", "Moods Information",
         QString("%1-%2").arg(f.moodId).arg(f.roomId), "1"},
        {"Diy Command", "PageSettingRoomManagerMoodsDiyCommand", "Diy Command", QString::number(f.moodId), room},
        {"Panel Information", "PageSettingRoomManagerPanelInformation", "Panel Information", QString::number(f.panelId),
         room},
        {"Lighting", "PageDeviceOperateLighting", "Lighting", "", ""},
        {"AC", "PageDeviceOperateAC", "AC", "", ""},
        {"Floor Heat", "PageDeviceOperateFloorHeat", "Floor Heat", "", ""},
        {"Moods", "PageDeviceOperateMoods", "Moods", "", ""},
    };
}

} // namespace stationpages
