#pragma once
// The page "Room Template": every room template of the project as a tile, an add tile, and deletion of a
// template together with the rooms built from it.

#include "shell/mydialog.h"

class QtMaterialGroupBox;
class TileGrid;

class PageSettingRoomTemplate : public MyDialog
{
    Q_OBJECT

public:
    PageSettingRoomTemplate(const QString &id, const QString &name, QWidget *parent);

    void refreshTemplateList();
    TileGrid *grid() const { return m_grid; }

private slots:
    void slotsPageEnter();
    void slotsEdit(int type, int id);
    void slotsDelete(int type, int id);

private:
    QtMaterialGroupBox *groupBox = nullptr;
    TileGrid *m_grid = nullptr;
};
