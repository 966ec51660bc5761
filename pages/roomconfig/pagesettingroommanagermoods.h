#pragma once
// The "Moods" tab of the room editor: the room's moods as tiles; a press opens the mood editor, a delete button
// removes the mood with its snapshots, commands and picture at once.

#include "shell/mydialog.h"

class QtMaterialGroupBox;
class TileGrid;

class PageSettingRoomManagerMoods : public MyDialog
{
    Q_OBJECT

public:
    explicit PageSettingRoomManagerMoods(QWidget *parent);

    void refreshList(int roomId);
    TileGrid *grid() const { return m_grid; }

private slots:
    void slotsEdit(int type, int id);
    void slotsDelete(int type, int id);

private:
    int m_roomId = 0;
    QtMaterialGroupBox *groupBox = nullptr;
    TileGrid *m_grid = nullptr;
};
