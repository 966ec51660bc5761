#pragma once
// The list pages of room configuration, "Rooms Manager" and "Room Template": every room or room template as a
// tile, an add tile behind them that opens the add dialog, a press that opens the row's editor page, and a delete
// that asks first and removes the row with all that belongs to it. What differs between the two stands side by
// side in one table in the source.

#include "pages/roomconfig/roomentries.h"
#include "shell/mydialog.h"

class QtMaterialGroupBox;
class TileGrid;
struct TileListKind;

class TileListPage : public MyDialog
{
    Q_OBJECT

public:
    TileListPage(const QString &id, const QString &name, RoomConfigKind kind, QWidget *parent);

    void refreshList();
    TileGrid *grid() const { return m_grid; }

private slots:
    void slotsPageEnter();
    void slotsEdit(int type, int id);
    void slotsDelete(int type, int id);

private:
    const TileListKind &m_kind;
    QtMaterialGroupBox *groupBox = nullptr;
    TileGrid *m_grid = nullptr;
};
