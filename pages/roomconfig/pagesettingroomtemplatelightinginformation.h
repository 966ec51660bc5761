#pragma once
// The page "Template Light Information": name, kind and picture of one light of a room template.

#include "shell/mydialog.h"

class ManagerItem;
class QtMaterialComboBox;
class QtMaterialLineEdit;

class PageSettingRoomTemplateLightingInformation : public MyDialog
{
    Q_OBJECT

public:
    PageSettingRoomTemplateLightingInformation(const QString &id, const QString &name, QWidget *parent);

private slots:
    void slotsPageEnter(QString template_light_id, QString room_template_id);
    void slotsIconEdit(QString iconName);
    void pushButtonSave_clicked();

private:
    int roomTemplateId = 0;
    int templateLightId = 0;
    // The entry found the stored row: saving updates it instead of inserting.
    bool exists = false;
    QtMaterialLineEdit *lineEditName = nullptr;
    QtMaterialComboBox *comboBoxType = nullptr;
    ManagerItem *pictureTile = nullptr;
};
