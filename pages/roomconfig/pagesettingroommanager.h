#pragma once
// The page "Rooms Manager": every room of the project as a tile, an add tile that opens the add-room dialog,
// and deletion of a room with all that belongs to it.

#include "shell/mydialog.h"

class QtMaterialGroupBox;
class TileGrid;

class PageSettingRoomManager : public MyDialog
{
    Q_OBJECT

public:
    PageSettingRoomManager(const QString &id, const QString &name, QWidget *parent);

    void refreshRoomList();
    TileGrid *grid() const { return m_grid; }

private slots:
    void slotsPageEnter();
    void slotsEdit(int type, int id);
    void slotsDelete(int type, int id);

private:
    QtMaterialGroupBox *groupBox = nullptr;
    TileGrid *m_grid = nullptr;
};
