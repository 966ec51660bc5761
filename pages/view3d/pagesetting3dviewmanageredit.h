#pragma once
// The page "3D View Setting": one room's placement tabs (lights, air conditioners, floor heatings) behind a tab
// strip offering only the kinds the room has, and the "Change Image" button that sets the room's 3D picture.
// Positions and the picture are stored at once; there is nothing to save.

#include "shell/mydialog.h"

class PageSetting3DViewManagerAC;
class PageSetting3DViewManagerFloorHeat;
class PageSetting3DViewManagerLighting;
class QtMaterialLabel;
class QtMaterialTabs;

class PageSetting3DViewManagerEdit : public MyDialog
{
    Q_OBJECT

public:
    PageSetting3DViewManagerEdit(const QString &id, const QString &name, QWidget *parent);

    // Passes the picture name to the three placement tabs.
    void setIconName(const QString &iconName);

    int roomId() const { return m_roomId; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void slotsPageEnter(QString roomId);
    void currentChanged(int index);

private:
    void changeImage();

    int m_roomId = 0;
    QtMaterialTabs *tabs;
    QtMaterialLabel *labelChangeImage;
    PageSetting3DViewManagerLighting *lightingTab;
    PageSetting3DViewManagerAC *acTab;
    PageSetting3DViewManagerFloorHeat *floorHeatTab;
};
