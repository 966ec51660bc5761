#pragma once
// The page "Edit Template": a room template's name and picture, and its lights and panels in two tabs, as
// RoomEditorPage lays them out.

#include "pages/roomconfig/roomeditorpage.h"

class PageSettingRoomTemplateEdit : public RoomEditorPage
{
    Q_OBJECT

public:
    PageSettingRoomTemplateEdit(const QString &id, const QString &name, QWidget *parent);
};
