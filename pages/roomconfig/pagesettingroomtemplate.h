#pragma once
// The page "Room Template": every room template of the project as a tile, an add tile, and deletion of a
// template together with the rooms built from it.

#include "pages/roomconfig/tilelistpage.h"

class PageSettingRoomTemplate : public TileListPage
{
    Q_OBJECT

public:
    PageSettingRoomTemplate(const QString &id, const QString &name, QWidget *parent);
};
