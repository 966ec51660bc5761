#pragma once
// The page "Rooms Manager": every room of the project as a tile, an add tile that opens the add-room dialog,
// and deletion of a room with all that belongs to it.

#include "pages/roomconfig/tilelistpage.h"

class PageSettingRoomManager : public TileListPage
{
    Q_OBJECT

public:
    PageSettingRoomManager(const QString &id, const QString &name, QWidget *parent);
};
