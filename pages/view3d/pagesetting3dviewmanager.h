#pragma once
// The page "3D View Manager": every room as a 3D card; a card opens the room's placement editor.

#include "pages/view3d/roomgrid3d.h"

class PageSetting3DViewManager : public RoomGrid3D
{
    Q_OBJECT

public:
    PageSetting3DViewManager(const QString &id, const QString &name, QWidget *parent);

protected:
    void slotsEdit(int type, int id) override;
};
