#include "pages/roomconfig/pagesettingroomtemplate.h"

PageSettingRoomTemplate::PageSettingRoomTemplate(const QString &id, const QString &name, QWidget *parent)
    : TileListPage(id, name, RoomConfigKind::Template, parent)
{
}
