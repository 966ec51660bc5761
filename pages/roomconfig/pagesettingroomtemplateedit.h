#pragma once
// The page "Edit Template": a room template's name and picture, and its lights and panels in two tabs. There
// is no save button: the name and picture name are written whenever the page is left.

#include "shell/mydialog.h"

class ManagerItem;
class PageSettingRoomTemplateLighting;
class PageSettingRoomTemplatePanel;
class QtMaterialLabel;
class QtMaterialLineEdit;
class QtMaterialTabs;

class PageSettingRoomTemplateEdit : public MyDialog
{
    Q_OBJECT

public:
    PageSettingRoomTemplateEdit(const QString &id, const QString &name, QWidget *parent);

    int templateId() const { return roomTemplateId; }

private slots:
    // prm2 "1" opens the first tab, "0" keeps the current one.
    void slotsPageEnter(QString room_template_id, QString resetTabs);
    void slotsPageLeave(QString id);
    void currentChanged(int index);
    void slotsIconEdit(QString iconName);
    void labelModifyRoomTemplateIcon_pressed();

private:
    int roomTemplateId = 0;
    QtMaterialLineEdit *lineEditName = nullptr;
    ManagerItem *pictureTile = nullptr;
    QtMaterialLabel *labelModifyIcon = nullptr;
    QtMaterialTabs *tabs = nullptr;
    PageSettingRoomTemplateLighting *lightingTab = nullptr;
    PageSettingRoomTemplatePanel *panelTab = nullptr;
};
