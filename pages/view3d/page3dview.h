#pragma once
// The page "3D View": every room as a 3D card; a card opens the room's 3D operation page.

#include "pages/view3d/roomgrid3d.h"

class Page3DView : public RoomGrid3D
{
    Q_OBJECT

public:
    Page3DView(const QString &id, const QString &name, QWidget *parent);

protected:
    void slotsEdit(int type, int id) override;
};
