#include "pages/roomconfig/pagesettingroommanager.h"

PageSettingRoomManager::PageSettingRoomManager(const QString &id, const QString &name, QWidget *parent)
    : TileListPage(id, name, RoomConfigKind::Room, parent)
{
}
