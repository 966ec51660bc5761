#pragma once
// The settings menu: one card per settings page; a press on a card opens that page. It reads and writes nothing.

#include "shell/mydialog.h"

class QtMaterialGroupBox;
class TileGrid;

class PageSetting : public MyDialog
{
    Q_OBJECT

public:
    PageSetting(const QString &id, const QString &name, QWidget *parent);

    TileGrid *grid() const { return m_grid; }

private:
    void loadItems();

    QtMaterialGroupBox *groupBox = nullptr;
    TileGrid *m_grid = nullptr;
};
