#include "pages/roomconfig/pagesettingroommanageredit.h"

#include "pages/roomconfig/pagesettingroommanagermoods.h"
#include "pages/roomconfig/roomdevicetabs.h"
#include "pages/roomconfig/roomswitchtabs.h"

PageSettingRoomManagerEdit::PageSettingRoomManagerEdit(const QString &id, const QString &name, QWidget *parent)
    : RoomEditorPage(id, name, RoomConfigKind::Room, parent)
{
    auto *lighting = new PageSettingRoomManagerLighting(nullptr);
    auto *ac = new PageSettingRoomManagerAC(nullptr);
    auto *floorHeat = new PageSettingRoomManagerFloorHeat(nullptr);
    auto *occupation = new PageSettingRoomManagerOccupation(nullptr);
    auto *master = new PageSettingRoomManagerMaster(nullptr);
    auto *panel = new PageSettingRoomManagerPanel(nullptr);
    auto *moods = new PageSettingRoomManagerMoods(nullptr);
    addTabPage(tr("Lighting"), "lighting", lighting);
    addTabPage(tr("AC"), "ac", ac);
    addTabPage(tr("Floor Heat"), "floorheat", floorHeat);
    addTabPage(tr("Occupation"), "occupation", occupation);
    addTabPage(tr("Master"), "master", master);
    addTabPage(tr("Panel"), "panel", panel);
    addTabPage(tr("Moods"), "moods", moods);
    setTabLoader([=](int roomId) {
        lighting->refreshList(roomId);
        ac->refreshList(roomId);
        floorHeat->refreshList(roomId);
        occupation->loadOccupation(roomId);
        master->loadMaster(roomId);
        moods->refreshList(roomId);
        panel->refreshList(roomId);
    });
}
