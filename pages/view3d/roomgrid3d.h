#pragma once
// The grid of 3D room cards shared by "3D View" and "3D View Manager": every room of the project as a card with
// its 3D picture, in region, floor and room order. Building the grid gives a room without a 3D picture row the
// default picture, so that the pages behind the cards always find one.

#include "shell/mydialog.h"

class QtMaterialGroupBox;
class TileGrid;

class RoomGrid3D : public MyDialog
{
    Q_OBJECT

public:
    // Rebuilds the card grid (it is built on visible entries only).
    void loadRooms();
    TileGrid *grid() const { return m_grid; }

    static const char *const defaultPicture; // "3d_view_01"

protected:
    RoomGrid3D(const QString &id, const QString &name, QWidget *parent);

    // A card was pressed; type is the card's kind.
    virtual void slotsEdit(int type, int id) = 0;

private slots:
    void slotsPageEnter();

private:
    QtMaterialGroupBox *groupBox = nullptr;
    TileGrid *m_grid = nullptr;
};

// "%s-%s-%s" of the region, floor and room names; a missing name stays empty.
QString roomLabel3D(int regionId, int floorId, const QString &roomName);
