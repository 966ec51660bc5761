#pragma once
// The page "Edit Room": a room's name and picture, and its devices and moods on seven tabs. There is no save
// button: the name and picture name are written whenever the page is left.

#include "shell/mydialog.h"

#include <QList>

class ManagerItem;
class PageSettingRoomManagerAC;
class PageSettingRoomManagerFloorHeat;
class PageSettingRoomManagerLighting;
class PageSettingRoomManagerMaster;
class PageSettingRoomManagerMoods;
class PageSettingRoomManagerOccupation;
class PageSettingRoomManagerPanel;
class QtMaterialLabel;
class QtMaterialLineEdit;
class QtMaterialTabs;

class PageSettingRoomManagerEdit : public MyDialog
{
    Q_OBJECT

public:
    PageSettingRoomManagerEdit(const QString &id, const QString &name, QWidget *parent);

    int currentRoomId() const { return roomId; }

private slots:
    // prm2 "1" opens the first tab, "0" keeps the current one.
    void slotsPageEnter(QString roomId, QString resetTabs);
    void slotsPageLeave(QString id);
    void slotsIconEdit(QString iconName);
    void currentChanged(int index);
    void labelModifyRoomIcon_pressed();

private:
    int roomId = 0;
    QtMaterialLineEdit *lineEditName = nullptr;
    ManagerItem *pictureTile = nullptr;
    QtMaterialLabel *labelModifyIcon = nullptr;
    QtMaterialTabs *tabs = nullptr;
    PageSettingRoomManagerLighting *lightingTab = nullptr;
    PageSettingRoomManagerAC *acTab = nullptr;
    PageSettingRoomManagerFloorHeat *floorHeatTab = nullptr;
    PageSettingRoomManagerOccupation *occupationTab = nullptr;
    PageSettingRoomManagerMaster *masterTab = nullptr;
    PageSettingRoomManagerPanel *panelTab = nullptr;
    PageSettingRoomManagerMoods *moodsTab = nullptr;
    // The tab pages with their labels, in the tab strip's order.
    QList<QPair<QString, QWidget *>> tabPages;
};
