#pragma once
// The page "Message Manager": one tile per panel message (the meaning of a universal switch of the wall panels)
// and an add tile; a tile opens the message editor, its delete button removes the message with its logged
// occurrences.

#include "shell/mydialog.h"

class QtMaterialGroupBox;
class TileGrid;

class PageSettingMessageManager : public MyDialog
{
    Q_OBJECT

public:
    PageSettingMessageManager(const QString &id, const QString &name, QWidget *parent);

    TileGrid *grid() const { return m_grid; }

public slots:
    void slotsPageEnter();
    void slotsEdit(int type, int id);
    void slotsDelete(int type, int id);

private:
    void loadMessages();

    QtMaterialGroupBox *groupBox = nullptr;
    TileGrid *m_grid = nullptr;
};
