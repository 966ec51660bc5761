#pragma once
// The page "Template Panel Information": the name of one wall panel of a room template.

#include "shell/mydialog.h"

class QtMaterialLineEdit;

class PageSettingRoomTemplatePanelInformation : public MyDialog
{
    Q_OBJECT

public:
    PageSettingRoomTemplatePanelInformation(const QString &id, const QString &name, QWidget *parent);

private slots:
    void slotsPageEnter(QString template_panel_id, QString room_template_id);
    void pushButtonSave_clicked();

private:
    int roomTemplateId = 0;
    int templatePanelId = 0;
    // The entry found the stored row: saving updates it instead of inserting.
    bool exists = false;
    QtMaterialLineEdit *lineEditName = nullptr;
};
