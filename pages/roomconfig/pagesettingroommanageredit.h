#pragma once
// The page "Edit Room": a room's name and picture, and its devices and moods on seven tabs, as RoomEditorPage
// lays them out.

#include "pages/roomconfig/roomeditorpage.h"

class PageSettingRoomManagerEdit : public RoomEditorPage
{
    Q_OBJECT

public:
    PageSettingRoomManagerEdit(const QString &id, const QString &name, QWidget *parent);
};
