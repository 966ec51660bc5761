#pragma once
// The page "Panel Information": one wall panel of a room, its name and bus address. An address belongs to one
// panel of the whole project; changing it discards the panel's guest-message history, after asking.

#include "shell/mydialog.h"

class QtMaterialLineEdit;

class PageSettingRoomManagerPanelInformation : public MyDialog
{
    Q_OBJECT

public:
    PageSettingRoomManagerPanelInformation(const QString &id, const QString &name, QWidget *parent);

private slots:
    void slotsPageEnter(QString panelId, QString roomId);
    void pushButtonSave_clicked();

private:
    int roomId = 0;
    int panelId = 0;
    bool exists = false;
    QtMaterialLineEdit *lineEditName = nullptr;
    QtMaterialLineEdit *lineEditSubnet = nullptr;
    QtMaterialLineEdit *lineEditDevice = nullptr;
};
